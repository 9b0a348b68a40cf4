VERSION 4.00
Begin VB.Form frmLogin 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Log In"
   ClientHeight    =   1635
   ClientLeft      =   2835
   ClientTop       =   3195
   ClientWidth     =   3750
   ControlBox      =   0   'False
   Height          =   2040
   Left            =   2775
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   1635
   ScaleWidth      =   3750
   ShowInTaskbar   =   0   'False
   Top             =   2850
   Width           =   3870
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "Cancel"
      Height          =   375
      Left            =   2400
      TabIndex        =   5
      Top             =   1080
      Width           =   1215
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "OK"
      Default         =   -1  'True
      Height          =   375
      Left            =   1080
      TabIndex        =   4
      Top             =   1080
      Width           =   1215
   End
   Begin VB.TextBox txtPassword 
      Height          =   315
      Left            =   1200
      PasswordChar    =   "*"
      TabIndex        =   3
      Top             =   540
      Width           =   2415
   End
   Begin VB.TextBox txtUserName 
      Height          =   315
      Left            =   1200
      TabIndex        =   1
      Top             =   120
      Width           =   2415
   End
   Begin VB.Label lblPassword 
      Caption         =   "&Password:"
      Height          =   255
      Left            =   120
      TabIndex        =   2
      Top             =   570
      Width           =   1035
   End
   Begin VB.Label lblUserName 
      Caption         =   "&User Name:"
      Height          =   255
      Left            =   120
      TabIndex        =   0
      Top             =   150
      Width           =   1035
   End
End
Attribute VB_Name = "frmLogin"
Attribute VB_Creatable = False
Attribute VB_Exposed = False
' A log-in dialog. Show it modally, then read LoginSucceeded:
'     frmLogin.Show 1
'     If Not frmLogin.LoginSucceeded Then End
'     Unload frmLogin
' Put your own check in CheckPassword.
Option Explicit

Public LoginSucceeded As Boolean

Private Const MAX_TRIES = 3
Private Tries As Integer

Private Function CheckPassword(ByVal UserName As String, ByVal Password As String) As Boolean
    ' Replace with a real check against your user list.
    CheckPassword = (UserName <> "" And Password = "password")
End Function

Private Sub Form_Load()
    Left = (Screen.Width - Width) \ 2
    Top = (Screen.Height - Height) \ 2
End Sub

Private Sub cmdCancel_Click()
    LoginSucceeded = False
    Hide
End Sub

Private Sub cmdOK_Click()
    If CheckPassword(Trim$(txtUserName.Text), txtPassword.Text) Then
        LoginSucceeded = True
        Hide
        Exit Sub
    End If
    Tries = Tries + 1
    If Tries >= MAX_TRIES Then
        MsgBox "Too many attempts.", 16, Caption
        LoginSucceeded = False
        Hide
        Exit Sub
    End If
    MsgBox "The user name or password is not right. Please try again.", 48, Caption
    txtPassword.Text = ""
    txtPassword.SetFocus
End Sub
