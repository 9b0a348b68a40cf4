Attribute VB_Name = "DemoMod"
Option Explicit

Public DiscountPercent As Integer
Public CurrencyCode As String

Public Sub FillProducts(Target As ComboBox)
    Target.Clear
    Target.AddItem "Paper, A4"
    Target.ItemData(Target.NewIndex) = 450
    Target.AddItem "Pencils, box"
    Target.ItemData(Target.NewIndex) = 275
    Target.AddItem "Stapler"
    Target.ItemData(Target.NewIndex) = 1290
    Target.ListIndex = 0
End Sub

Public Function FormatCents(ByVal Cents As Long, ByVal Regular As Boolean) As String
    If Regular Then Cents = Cents - Cents * DiscountPercent \ 100
    If CurrencyCode = "" Then CurrencyCode = "EUR"
    FormatCents = Format$(Cents / 100, "0.00") & " " & CurrencyCode
End Function
