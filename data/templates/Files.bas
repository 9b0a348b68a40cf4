Attribute VB_Name = "modFiles"
' File and path routines: whether a file or folder is there, the parts of
' a path, and whole text files read or written in one call.
Option Explicit

Public Function FileExists(ByVal Path As String) As Boolean
    On Error Resume Next
    FileExists = ((GetAttr(Path) And vbDirectory) = 0)
    If Err.Number <> 0 Then FileExists = False
    Err.Clear
End Function

Public Function FolderExists(ByVal Path As String) As Boolean
    On Error Resume Next
    FolderExists = ((GetAttr(Path) And vbDirectory) = vbDirectory)
    If Err.Number <> 0 Then FolderExists = False
    Err.Clear
End Function

' Folder and name joined with exactly one backslash.
Public Function PathJoin(ByVal Folder As String, ByVal Name As String) As String
    If Right$(Folder, 1) = "\" Then
        PathJoin = Folder & Name
    Else
        PathJoin = Folder & "\" & Name
    End If
End Function

' The name after the last backslash: "C:\Data\Notes.txt" gives "Notes.txt".
Public Function FileNameOf(ByVal Path As String) As String
    Dim Position As Integer
    Position = LastPosition(Path, "\")
    FileNameOf = Mid$(Path, Position + 1)
End Function

' Everything before the last backslash: "C:\Data\Notes.txt" gives "C:\Data".
Public Function FolderOf(ByVal Path As String) As String
    Dim Position As Integer
    Position = LastPosition(Path, "\")
    If Position > 0 Then FolderOf = Left$(Path, Position - 1)
End Function

' The whole file as one text; an empty text for an empty file.
Public Function ReadTextFile(ByVal Path As String) As String
    Dim FileNo As Integer
    FileNo = FreeFile
    Open Path For Binary Access Read As #FileNo
    ReadTextFile = Input$(LOF(FileNo), #FileNo)
    Close #FileNo
End Function

' Replaces the file's contents with Text, written as it stands.
Public Sub WriteTextFile(ByVal Path As String, ByVal Text As String)
    Dim FileNo As Integer
    FileNo = FreeFile
    Open Path For Output As #FileNo
    Print #FileNo, Text;
    Close #FileNo
End Sub

Private Function LastPosition(ByVal Text As String, ByVal Find As String) As Integer
    Dim Position As Integer
    Dim Found As Integer
    Position = InStr(Text, Find)
    Do While Position > 0
        Found = Position
        Position = InStr(Position + 1, Text, Find)
    Loop
    LastPosition = Found
End Function
