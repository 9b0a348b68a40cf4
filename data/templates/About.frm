VERSION 4.00
Begin VB.Form frmAbout 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "About"
   ClientHeight    =   2670
   ClientLeft      =   2340
   ClientTop       =   1935
   ClientWidth     =   5175
   Height          =   3075
   Left            =   2280
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   2670
   ScaleWidth      =   5175
   ShowInTaskbar   =   0   'False
   Top             =   1590
   Width           =   5295
   Begin VB.CommandButton cmdOK 
      Cancel          =   -1  'True
      Caption         =   "OK"
      Default         =   -1  'True
      Height          =   375
      Left            =   3840
      TabIndex        =   0
      Top             =   2160
      Width           =   1215
   End
   Begin VB.Line linRule 
      BorderColor     =   &H00808080&
      X1              =   120
      X2              =   5040
      Y1              =   1920
      Y2              =   1920
   End
   Begin VB.Label lblComments 
      Caption         =   "A short description of what the program does."
      Height          =   615
      Left            =   240
      TabIndex        =   3
      Top             =   1200
      Width           =   4695
   End
   Begin VB.Label lblVersion 
      Caption         =   "Version"
      Height          =   255
      Left            =   240
      TabIndex        =   2
      Top             =   720
      Width           =   4695
   End
   Begin VB.Label lblTitle 
      Caption         =   "Application Title"
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         name            =   "MS Sans Serif"
         charset         =   0
         weight          =   700
         size            =   12
         underline       =   0   'False
         italic          =   0   'False
         strikethrough   =   0   'False
      EndProperty
      Height          =   375
      Left            =   240
      TabIndex        =   1
      Top             =   240
      Width           =   4695
   End
End
Attribute VB_Name = "frmAbout"
Attribute VB_Creatable = False
Attribute VB_Exposed = False
' An about box filled from the project's own settings: set the title,
' version and comments under the project's options and they show here.
' Show it with frmAbout.Show 1.
Option Explicit

Private Sub Form_Load()
    Caption = "About " & App.Title
    lblTitle.Caption = App.Title
    lblVersion.Caption = "Version " & App.Major & "." & App.Minor & "." & App.Revision
    If App.Comments <> "" Then lblComments.Caption = App.Comments
    Left = (Screen.Width - Width) \ 2
    Top = (Screen.Height - Height) \ 2
End Sub

Private Sub cmdOK_Click()
    Unload Me
End Sub
