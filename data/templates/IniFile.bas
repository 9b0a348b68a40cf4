Attribute VB_Name = "modIniFile"
' Reading and writing settings in an INI file. A bare file name means the
' Windows folder; give a full path to keep the file beside your program:
'     IniWrite App.Path & "\myapp.ini", "Window", "Left", CStr(Left)
'     Left = Val(IniRead(App.Path & "\myapp.ini", "Window", "Left", "0"))
Option Explicit

Private Declare Function GetPrivateProfileString Lib "kernel32" Alias "GetPrivateProfileStringA" (ByVal lpApplicationName As String, ByVal lpKeyName As Any, ByVal lpDefault As String, ByVal lpReturnedString As String, ByVal nSize As Long, ByVal lpFileName As String) As Long
Private Declare Function WritePrivateProfileString Lib "kernel32" Alias "WritePrivateProfileStringA" (ByVal lpApplicationName As String, ByVal lpKeyName As Any, ByVal lpString As Any, ByVal lpFileName As String) As Long

Private Const BUFFER_SIZE = 2048

' The value of Key in Section, or Default when either is missing.
Public Function IniRead(ByVal IniFile As String, ByVal Section As String, ByVal Key As String, ByVal Default As String) As String
    Dim Buffer As String
    Dim Length As Long
    Buffer = String$(BUFFER_SIZE, 0)
    Length = GetPrivateProfileString(Section, Key, Default, Buffer, BUFFER_SIZE, IniFile)
    IniRead = Left$(Buffer, Length)
End Function

' Writes Key = Value in Section; the file and the section are made as needed.
Public Function IniWrite(ByVal IniFile As String, ByVal Section As String, ByVal Key As String, ByVal Value As String) As Boolean
    IniWrite = (WritePrivateProfileString(Section, Key, Value, IniFile) <> 0)
End Function

' Removes one key from its section.
Public Function IniDeleteKey(ByVal IniFile As String, ByVal Section As String, ByVal Key As String) As Boolean
    IniDeleteKey = (WritePrivateProfileString(Section, Key, 0&, IniFile) <> 0)
End Function

' Removes a whole section with all its keys.
Public Function IniDeleteSection(ByVal IniFile As String, ByVal Section As String) As Boolean
    IniDeleteSection = (WritePrivateProfileString(Section, 0&, 0&, IniFile) <> 0)
End Function

' The names of the keys in Section, separated by Chr$(0) and ending in two.
Public Function IniKeys(ByVal IniFile As String, ByVal Section As String) As String
    Dim Buffer As String
    Dim Length As Long
    Buffer = String$(BUFFER_SIZE, 0)
    Length = GetPrivateProfileString(Section, 0&, "", Buffer, BUFFER_SIZE, IniFile)
    IniKeys = Left$(Buffer, Length)
End Function
