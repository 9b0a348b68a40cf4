Attribute VB_Name = "modStrings"
' Text routines the language leaves out: replacing every occurrence,
' cutting a line into fields, counting and padding.
Option Explicit

' Text with every occurrence of Find replaced by ReplaceWith.
Public Function ReplaceAll(ByVal Text As String, ByVal Find As String, ByVal ReplaceWith As String) As String
    Dim Position As Long
    Dim Result As String
    If Find = "" Then
        ReplaceAll = Text
        Exit Function
    End If
    Position = InStr(Text, Find)
    Do While Position > 0
        Result = Result & Left$(Text, Position - 1) & ReplaceWith
        Text = Mid$(Text, Position + Len(Find))
        Position = InStr(Text, Find)
    Loop
    ReplaceAll = Result & Text
End Function

' Cuts Text at each Delimiter into Fields(0 To n - 1) and returns n.
Public Function SplitFields(ByVal Text As String, ByVal Delimiter As String, Fields() As String) As Long
    Dim Count As Long
    Dim Position As Long
    ReDim Fields(0 To 0)
    If Delimiter = "" Then
        Fields(0) = Text
        SplitFields = 1
        Exit Function
    End If
    Position = InStr(Text, Delimiter)
    Do While Position > 0
        ReDim Preserve Fields(0 To Count)
        Fields(Count) = Left$(Text, Position - 1)
        Count = Count + 1
        Text = Mid$(Text, Position + Len(Delimiter))
        Position = InStr(Text, Delimiter)
    Loop
    ReDim Preserve Fields(0 To Count)
    Fields(Count) = Text
    SplitFields = Count + 1
End Function

' How many times Find occurs in Text, without overlapping.
Public Function CountOf(ByVal Text As String, ByVal Find As String) As Long
    Dim Position As Long
    Dim Count As Long
    If Find = "" Then Exit Function
    Position = InStr(Text, Find)
    Do While Position > 0
        Count = Count + 1
        Position = InStr(Position + Len(Find), Text, Find)
    Loop
    CountOf = Count
End Function

' Text padded on the left to Width characters with Fill (a blank by default).
Public Function PadLeft(ByVal Text As String, ByVal Width As Integer, Optional Fill As Variant) As String
    Dim Pad As String
    If IsMissing(Fill) Then Pad = " " Else Pad = Left$(CStr(Fill) & " ", 1)
    If Len(Text) >= Width Then
        PadLeft = Text
    Else
        PadLeft = String$(Width - Len(Text), Pad) & Text
    End If
End Function

' Text padded on the right to Width characters with Fill (a blank by default).
Public Function PadRight(ByVal Text As String, ByVal Width As Integer, Optional Fill As Variant) As String
    Dim Pad As String
    If IsMissing(Fill) Then Pad = " " Else Pad = Left$(CStr(Fill) & " ", 1)
    If Len(Text) >= Width Then
        PadRight = Text
    Else
        PadRight = Text & String$(Width - Len(Text), Pad)
    End If
End Function
