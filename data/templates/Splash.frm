VERSION 4.00
Begin VB.Form frmSplash 
   BorderStyle     =   3  'Fixed Dialog
   ClientHeight    =   2415
   ClientLeft      =   1920
   ClientTop       =   2040
   ClientWidth     =   5655
   ControlBox      =   0   'False
   Height          =   2820
   Left            =   1860
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   2415
   ScaleWidth      =   5655
   ShowInTaskbar   =   0   'False
   Top             =   1695
   Width           =   5775
   Begin VB.Timer tmrClose 
      Enabled         =   0   'False
      Interval        =   3000
      Left            =   5040
      Top             =   1800
   End
   Begin VB.Frame fraPanel 
      Height          =   2175
      Left            =   120
      TabIndex        =   0
      Top             =   60
      Width           =   5415
      Begin VB.Label lblVersion 
         Alignment       =   1  'Right Justify
         Caption         =   "Version"
         Height          =   255
         Left            =   2640
         TabIndex        =   3
         Top             =   1080
         Width           =   2535
      End
      Begin VB.Label lblLoading 
         Caption         =   "Loading..."
         Height          =   255
         Left            =   240
         TabIndex        =   2
         Top             =   1680
         Width           =   4935
      End
      Begin VB.Label lblTitle 
         Alignment       =   2  'Center
         Caption         =   "Application Title"
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            name            =   "Arial"
            charset         =   0
            weight          =   700
            size            =   18
            underline       =   0   'False
            italic          =   0   'False
            strikethrough   =   0   'False
         EndProperty
         Height          =   495
         Left            =   240
         TabIndex        =   1
         Top             =   360
         Width           =   4935
      End
   End
End
Attribute VB_Name = "frmSplash"
Attribute VB_Creatable = False
Attribute VB_Exposed = False
' A splash window for a slow start. In Sub Main:
'     frmSplash.Show
'     frmSplash.Refresh
'     ... load the main form and your data, updating frmSplash.Status ...
'     frmSplash.CloseLater
' It goes three seconds after CloseLater, or at once when clicked.
Option Explicit

Public Property Let Status(ByVal Text As String)
    lblLoading.Caption = Text
    lblLoading.Refresh
End Property

Public Sub CloseLater()
    tmrClose.Enabled = True
End Sub

Private Sub Form_Load()
    lblTitle.Caption = App.Title
    lblVersion.Caption = "Version " & App.Major & "." & App.Minor & "." & App.Revision
    Left = (Screen.Width - Width) \ 2
    Top = (Screen.Height - Height) \ 2
End Sub

Private Sub fraPanel_Click()
    Unload Me
End Sub

Private Sub lblTitle_Click()
    Unload Me
End Sub

Private Sub tmrClose_Timer()
    tmrClose.Enabled = False
    Unload Me
End Sub
