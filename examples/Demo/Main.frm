VERSION 4.00
Begin VB.Form frmMain 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Order Entry"
   ClientHeight    =   4575
   ClientLeft      =   1245
   ClientTop       =   2100
   ClientWidth     =   6960
   Height          =   5265
   Left            =   1185
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   ScaleHeight     =   4575
   ScaleWidth      =   6960
   Top             =   1470
   Width           =   7080
   Begin VB.Timer tmrClock 
      Interval        =   1000
      Left            =   6360
      Top             =   120
   End
   Begin VB.Frame fraCustomer 
      Caption         =   "Customer"
      Height          =   1695
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   4215
      Begin VB.TextBox txtName 
         Height          =   285
         Left            =   1080
         TabIndex        =   2
         Top             =   360
         Width           =   2895
      End
      Begin VB.TextBox txtCity 
         Height          =   285
         Left            =   1080
         TabIndex        =   4
         Top             =   780
         Width           =   2895
      End
      Begin VB.CheckBox chkRegular 
         Caption         =   "Regular customer"
         Height          =   255
         Left            =   1080
         TabIndex        =   5
         Top             =   1200
         Width           =   2055
      End
      Begin VB.Label lblName 
         Caption         =   "&Name:"
         Height          =   255
         Left            =   120
         TabIndex        =   1
         Top             =   390
         Width           =   855
      End
      Begin VB.Label lblCity 
         Caption         =   "&City:"
         Height          =   255
         Left            =   120
         TabIndex        =   3
         Top             =   810
         Width           =   855
      End
   End
   Begin VB.Frame fraShipping 
      Caption         =   "Shipping"
      Height          =   1695
      Left            =   4440
      TabIndex        =   6
      Top             =   120
      Width           =   1815
      Begin VB.OptionButton optShip 
         Caption         =   "Express"
         Height          =   255
         Index           =   2
         Left            =   120
         TabIndex        =   9
         Top             =   1200
         Width           =   1455
      End
      Begin VB.OptionButton optShip 
         Caption         =   "Courier"
         Height          =   255
         Index           =   1
         Left            =   120
         TabIndex        =   8
         Top             =   780
         Width           =   1455
      End
      Begin VB.OptionButton optShip 
         Caption         =   "Post"
         Height          =   255
         Index           =   0
         Left            =   120
         TabIndex        =   7
         Top             =   360
         Value           =   -1  'True
         Width           =   1455
      End
   End
   Begin VB.ListBox lstItems 
      Height          =   1425
      Left            =   120
      TabIndex        =   11
      Top             =   2280
      Width           =   2775
   End
   Begin VB.ComboBox cboProduct 
      Height          =   315
      Left            =   3120
      Style           =   2  'Dropdown List
      TabIndex        =   13
      Top             =   2280
      Width           =   2415
   End
   Begin VB.TextBox txtQuantity 
      Alignment       =   1  'Right Justify
      Height          =   285
      Left            =   3120
      TabIndex        =   15
      Text            =   "1"
      Top             =   2940
      Width           =   855
   End
   Begin VB.CommandButton cmdAdd 
      Caption         =   "&Add"
      Default         =   -1  'True
      Height          =   375
      Left            =   4200
      TabIndex        =   16
      Top             =   2895
      Width           =   1335
   End
   Begin VB.CommandButton cmdRemove 
      Caption         =   "&Remove"
      Height          =   375
      Left            =   4200
      TabIndex        =   17
      Top             =   3360
      Width           =   1335
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "OK"
      Height          =   375
      Left            =   4200
      TabIndex        =   18
      Top             =   4080
      Width           =   1215
   End
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "Cancel"
      Height          =   375
      Left            =   5520
      TabIndex        =   19
      Top             =   4080
      Width           =   1215
   End
   Begin VB.PictureBox picLogo 
      Height          =   975
      Left            =   5760
      ScaleHeight     =   915
      ScaleWidth      =   1035
      TabIndex        =   20
      Top             =   2280
      Width           =   1095
   End
   Begin VB.Line linSeparator 
      X1              =   120
      X2              =   6840
      Y1              =   3960
      Y2              =   3960
   End
   Begin VB.Label lblItems 
      Caption         =   "&Items:"
      Height          =   255
      Left            =   120
      TabIndex        =   10
      Top             =   2000
      Width           =   1215
   End
   Begin VB.Label lblProduct 
      Caption         =   "&Product:"
      Height          =   255
      Left            =   3120
      TabIndex        =   12
      Top             =   2000
      Width           =   1215
   End
   Begin VB.Label lblQuantity 
      Caption         =   "&Quantity:"
      Height          =   255
      Left            =   3120
      TabIndex        =   14
      Top             =   2680
      Width           =   1215
   End
   Begin VB.Label lblTotal 
      BorderStyle     =   1  'Fixed Single
      Caption         =   "0.00"
      Height          =   285
      Left            =   120
      TabIndex        =   21
      Top             =   4125
      Width           =   1455
   End
   Begin VB.Label lblClock 
      Alignment       =   1  'Right Justify
      Height          =   255
      Left            =   1680
      TabIndex        =   22
      Top             =   4140
      Width           =   2295
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuFileNew 
         Caption         =   "&New Order"
         Shortcut        =   ^N
      End
      Begin VB.Menu mnuFileOptions 
         Caption         =   "&Options..."
      End
      Begin VB.Menu mnuFileSep1 
         Caption         =   "-"
      End
      Begin VB.Menu mnuFileExit 
         Caption         =   "E&xit"
      End
   End
   Begin VB.Menu mnuEdit 
      Caption         =   "&Edit"
      Begin VB.Menu mnuEditAdd 
         Caption         =   "&Add Item"
         Shortcut        =   {INSERT}
      End
      Begin VB.Menu mnuEditRemove 
         Caption         =   "&Remove Item"
         Shortcut        =   {DEL}
      End
      Begin VB.Menu mnuEditClear 
         Caption         =   "&Clear All"
         Shortcut        =   ^{F5}
      End
   End
   Begin VB.Menu mnuHelp 
      Caption         =   "&Help"
      Begin VB.Menu mnuHelpAbout 
         Caption         =   "&About Demo..."
         Shortcut        =   {F1}
      End
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_Creatable = False
Attribute VB_Exposed = False
Option Explicit

Private mOrders As Counter

Private Sub cmdAdd_Click()
    Dim Qty As Integer
    If cboProduct.ListIndex < 0 Then
        MsgBox "Choose a product first.", vbExclamation, App.Title
        Exit Sub
    End If
    Qty = Val(txtQuantity.Text)
    If Qty < 1 Then Qty = 1
    lstItems.AddItem Format$(Qty) & " x " & cboProduct.Text
    lstItems.ItemData(lstItems.NewIndex) = cboProduct.ItemData(cboProduct.ListIndex) * Qty
    UpdateTotal
End Sub

Private Sub cmdRemove_Click()
    If lstItems.ListIndex >= 0 Then
        lstItems.RemoveItem lstItems.ListIndex
        UpdateTotal
    End If
End Sub

Private Sub cmdOK_Click()
    mOrders.Increment
    MsgBox "Order " & mOrders.Value & " saved for " & txtName.Text & ".", vbInformation, App.Title
    mnuFileNew_Click
End Sub

Private Sub cmdCancel_Click()
    Unload Me
End Sub

Private Sub Form_Load()
    Set mOrders = New Counter
    FillProducts cboProduct
    tmrClock_Timer
End Sub

Private Sub Form_Unload(Cancel As Integer)
    Set mOrders = Nothing
End Sub

Private Sub mnuEditAdd_Click()
    cmdAdd_Click
End Sub

Private Sub mnuEditClear_Click()
    lstItems.Clear
    UpdateTotal
End Sub

Private Sub mnuEditRemove_Click()
    cmdRemove_Click
End Sub

Private Sub mnuFileExit_Click()
    Unload Me
End Sub

Private Sub mnuFileNew_Click()
    txtName.Text = ""
    txtCity.Text = ""
    chkRegular.Value = 0
    optShip(0).Value = True
    lstItems.Clear
    UpdateTotal
End Sub

Private Sub mnuFileOptions_Click()
    frmOptions.Show 1
End Sub

Private Sub mnuHelpAbout_Click()
    MsgBox App.Title & " version " & App.Major & "." & App.Minor, vbInformation, "About"
End Sub

Private Sub tmrClock_Timer()
    lblClock.Caption = Format$(Now, "General Date")
End Sub

Private Sub UpdateTotal()
    Dim i As Integer
    Dim Total As Long
    For i = 0 To lstItems.ListCount - 1
        Total = Total + lstItems.ItemData(i)
    Next i
    lblTotal.Caption = FormatCents(Total, chkRegular.Value = 1)
End Sub
