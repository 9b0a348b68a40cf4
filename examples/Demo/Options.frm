VERSION 4.00
Begin VB.Form frmOptions 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Options"
   ClientHeight    =   3330
   ClientLeft      =   2565
   ClientTop       =   2385
   ClientWidth     =   4815
   ControlBox      =   0   'False
   Height          =   3735
   Left            =   2505
   LinkTopic       =   "Form2"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   3330
   ScaleWidth      =   4815
   ShowInTaskbar   =   0   'False
   Top             =   2040
   Width           =   4935
   Begin VB.Frame fraUnits 
      Caption         =   "Units"
      Height          =   1335
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   2175
      Begin VB.OptionButton optUnits 
         Caption         =   "&Pieces"
         Height          =   255
         Index           =   0
         Left            =   240
         TabIndex        =   1
         Top             =   360
         Value           =   -1  'True
         Width           =   1695
      End
      Begin VB.OptionButton optUnits 
         Caption         =   "&Boxes of 12"
         Height          =   255
         Index           =   1
         Left            =   240
         TabIndex        =   2
         Top             =   780
         Width           =   1695
      End
   End
   Begin VB.Frame fraPrinting 
      Caption         =   "Printing"
      Height          =   1335
      Left            =   2520
      TabIndex        =   3
      Top             =   120
      Width           =   2175
      Begin VB.CheckBox chkPrintLogo 
         Caption         =   "Print &logo"
         Height          =   255
         Left            =   240
         TabIndex        =   4
         Top             =   360
         Value           =   1  'Checked
         Width           =   1695
      End
      Begin VB.CheckBox chkPrintTotals 
         Caption         =   "Print &totals"
         Height          =   255
         Left            =   240
         TabIndex        =   5
         Top             =   780
         Width           =   1695
      End
   End
   Begin VB.ComboBox cboCurrency 
      Height          =   315
      Left            =   1320
      TabIndex        =   7
      Text            =   "EUR"
      Top             =   1680
      Width           =   1215
   End
   Begin VB.HScrollBar hsbDiscount 
      Height          =   255
      LargeChange     =   5
      Left            =   1320
      Max             =   50
      TabIndex        =   9
      Top             =   2160
      Width           =   2295
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "OK"
      Default         =   -1  'True
      Height          =   375
      Left            =   2160
      TabIndex        =   11
      Top             =   2760
      Width           =   1215
   End
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "Cancel"
      Height          =   375
      Left            =   3480
      TabIndex        =   12
      Top             =   2760
      Width           =   1215
   End
   Begin VB.Image imgInfo 
      Height          =   480
      Left            =   120
      Top             =   2700
      Width           =   480
   End
   Begin VB.Shape shpBorder 
      BorderStyle     =   3  'Dot
      Height          =   615
      Left            =   60
      Top             =   2640
      Width           =   600
   End
   Begin VB.Label lblCurrency 
      Caption         =   "&Currency:"
      Height          =   255
      Left            =   120
      TabIndex        =   6
      Top             =   1710
      Width           =   1095
   End
   Begin VB.Label lblDiscount 
      Caption         =   "&Discount:"
      Height          =   255
      Left            =   120
      TabIndex        =   8
      Top             =   2160
      Width           =   1095
   End
   Begin VB.Label lblPercent 
      Caption         =   "0 %"
      Height          =   255
      Left            =   3720
      TabIndex        =   10
      Top             =   2160
      Width           =   735
   End
End
Attribute VB_Name = "frmOptions"
Attribute VB_Creatable = False
Attribute VB_Exposed = False
Option Explicit

Private Sub cmdCancel_Click()
    Hide
End Sub

Private Sub cmdOK_Click()
    DiscountPercent = hsbDiscount.Value
    CurrencyCode = cboCurrency.Text
    Hide
End Sub

Private Sub Form_Load()
    cboCurrency.AddItem "EUR"
    cboCurrency.AddItem "GBP"
    cboCurrency.AddItem "USD"
    hsbDiscount.Value = DiscountPercent
End Sub

Private Sub hsbDiscount_Change()
    lblPercent.Caption = Format$(hsbDiscount.Value) & " %"
End Sub
