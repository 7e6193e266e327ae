Attribute VB_Name = "KorvatMacros"
' The Korvat planning library, called from this workbook.
'
' Put Korvat64.dll (64-bit host) or Korvat32.dll (32-bit host) in the workbook's
' folder: KorvatStart makes that folder the current one before the library is first
' called, so the plain file names of the Declare lines below find it there. Or write
' the library's full path into the Lib strings.
'
' Call order: KorvatStart once (kvInit, then kvSetWorkBook with this workbook), then
' any of the macros below (assign them to buttons), KorvatStop at the end. The
' workbook's Workbook_Open and Workbook_BeforeClose may call KorvatStart and
' KorvatStop (see the end of this module), and the WBS sheet forwards its events.
Option Explicit

#If Win64 Then
Public Declare PtrSafe Function kvInit Lib "Korvat64.dll" () As Long
Public Declare PtrSafe Sub kvQuit Lib "Korvat64.dll" ()
Public Declare PtrSafe Function kvSetWorkBook Lib "Korvat64.dll" (ByRef book As Object) As Long
Public Declare PtrSafe Sub kvUpdateWBS Lib "Korvat64.dll" ()
Public Declare PtrSafe Sub kvWBSReschedule Lib "Korvat64.dll" ()
Public Declare PtrSafe Sub kvDrawCalendar Lib "Korvat64.dll" (ByVal unit As Long)
Public Declare PtrSafe Sub kvDrawGanntChart Lib "Korvat64.dll" (ByVal barStyle As Long)
Public Declare PtrSafe Sub kvDrawProgressLines Lib "Korvat64.dll" ()
Public Declare PtrSafe Sub kvWBSFilter Lib "Korvat64.dll" ()
Public Declare PtrSafe Function kvTasksMoveUp Lib "Korvat64.dll" () As LongPtr
Public Declare PtrSafe Function kvTasksMoveDown Lib "Korvat64.dll" () As LongPtr
Public Declare PtrSafe Function kvTasksMoveRight Lib "Korvat64.dll" () As LongPtr
Public Declare PtrSafe Function kvTasksMoveLeft Lib "Korvat64.dll" () As LongPtr
Public Declare PtrSafe Function kvTasksOffset Lib "Korvat64.dll" (ByVal steps As Long, ByVal minutesPerStep As Long) As LongPtr
Public Declare PtrSafe Sub kvWBSEventOnChange Lib "Korvat64.dll" (ByRef target As Object)
Public Declare PtrSafe Sub kvWBSEventOnSelectionChange Lib "Korvat64.dll" (ByRef target As Object)
Public Declare PtrSafe Function kvEVMByTask Lib "Korvat64.dll" () As LongPtr
Public Declare PtrSafe Sub kvEVMByProject Lib "Korvat64.dll" (ByVal kind As Long, ByVal stepDays As Long)
Public Declare PtrSafe Sub kvWorkload Lib "Korvat64.dll" (ByVal kind As Long, ByVal stepDays As Long)
#Else
Public Declare PtrSafe Function kvInit Lib "Korvat32.dll" () As Long
Public Declare PtrSafe Sub kvQuit Lib "Korvat32.dll" ()
Public Declare PtrSafe Function kvSetWorkBook Lib "Korvat32.dll" (ByRef book As Object) As Long
Public Declare PtrSafe Sub kvUpdateWBS Lib "Korvat32.dll" ()
Public Declare PtrSafe Sub kvWBSReschedule Lib "Korvat32.dll" ()
Public Declare PtrSafe Sub kvDrawCalendar Lib "Korvat32.dll" (ByVal unit As Long)
Public Declare PtrSafe Sub kvDrawGanntChart Lib "Korvat32.dll" (ByVal barStyle As Long)
Public Declare PtrSafe Sub kvDrawProgressLines Lib "Korvat32.dll" ()
Public Declare PtrSafe Sub kvWBSFilter Lib "Korvat32.dll" ()
Public Declare PtrSafe Function kvTasksMoveUp Lib "Korvat32.dll" () As LongPtr
Public Declare PtrSafe Function kvTasksMoveDown Lib "Korvat32.dll" () As LongPtr
Public Declare PtrSafe Function kvTasksMoveRight Lib "Korvat32.dll" () As LongPtr
Public Declare PtrSafe Function kvTasksMoveLeft Lib "Korvat32.dll" () As LongPtr
Public Declare PtrSafe Function kvTasksOffset Lib "Korvat32.dll" (ByVal steps As Long, ByVal minutesPerStep As Long) As LongPtr
Public Declare PtrSafe Sub kvWBSEventOnChange Lib "Korvat32.dll" (ByRef target As Object)
Public Declare PtrSafe Sub kvWBSEventOnSelectionChange Lib "Korvat32.dll" (ByRef target As Object)
Public Declare PtrSafe Function kvEVMByTask Lib "Korvat32.dll" () As LongPtr
Public Declare PtrSafe Sub kvEVMByProject Lib "Korvat32.dll" (ByVal kind As Long, ByVal stepDays As Long)
Public Declare PtrSafe Sub kvWorkload Lib "Korvat32.dll" (ByVal kind As Long, ByVal stepDays As Long)
#End If

' The workbook the library is bound to. The library borrows the reference, so it is
' kept here for as long as the library may use it.
Private korvatBook As Object
Private korvatStarted As Boolean

' --- Lifecycle -------------------------------------------------------------------

Public Sub KorvatStart()
    ' A workbook on a network share or not yet saved has no folder to change to; the
    ' library is then looked for along the system's search path.
    On Error Resume Next
    ChDrive ThisWorkbook.Path
    ChDir ThisWorkbook.Path
    On Error GoTo 0
    kvInit
    Set korvatBook = ThisWorkbook
    kvSetWorkBook korvatBook
    korvatStarted = True
End Sub

Public Sub KorvatStop()
    If Not korvatStarted Then Exit Sub
    kvQuit
    Set korvatBook = Nothing
    korvatStarted = False
End Sub

' Every macro below starts the library first when it is not yet started.
Private Sub EnsureStarted()
    If Not korvatStarted Then KorvatStart
End Sub

' --- The plan --------------------------------------------------------------------

Public Sub KorvatUpdateWBS()
    EnsureStarted
    kvUpdateWBS
End Sub

Public Sub KorvatReschedule()
    EnsureStarted
    kvWBSReschedule
End Sub

Public Sub KorvatFilter()
    EnsureStarted
    kvWBSFilter
End Sub

' --- The Gantt chart -------------------------------------------------------------

Public Sub KorvatDrawCalendar()
    Dim answer As String
    answer = InputBox("Minutes per timeline column (1440 a day, 60 an hour; 0 keeps the current unit):", _
                      "Korvatplan", "0")
    If StrPtr(answer) = 0 Then Exit Sub
    EnsureStarted
    kvDrawCalendar CLng(Val(answer))
End Sub

Public Sub KorvatDrawGanttChart()
    Dim answer As String
    answer = InputBox("Bar style (1 to 6 draw summary tasks as outlines, 0 as bars):", "Korvatplan", "1")
    If StrPtr(answer) = 0 Then Exit Sub
    EnsureStarted
    kvDrawGanntChart CLng(Val(answer))
End Sub

Public Sub KorvatDrawProgressLines()
    EnsureStarted
    kvDrawProgressLines
End Sub

' --- Editing the selected task rows (after a kvUpdateWBS or kvWBSReschedule) -----

Public Sub KorvatMoveUp()
    EnsureStarted
    If kvTasksMoveUp() = 0 Then Beep
End Sub

Public Sub KorvatMoveDown()
    EnsureStarted
    If kvTasksMoveDown() = 0 Then Beep
End Sub

Public Sub KorvatIndent()
    EnsureStarted
    If kvTasksMoveRight() = 0 Then Beep
End Sub

Public Sub KorvatOutdent()
    EnsureStarted
    If kvTasksMoveLeft() = 0 Then Beep
End Sub

' Shifts the selected unstarted leaf tasks by a number of minutes (negative: earlier).
Public Sub KorvatOffset()
    Dim answer As String
    answer = InputBox("Move the selected tasks by how many minutes (negative: earlier)?", "Korvatplan", "15")
    If StrPtr(answer) = 0 Then Exit Sub
    EnsureStarted
    If kvTasksOffset(CLng(Val(answer)), 1) = 0 Then Beep
End Sub

' --- The reports ----------------------------------------------------------------

Public Sub KorvatEVMByTask()
    EnsureStarted
    kvEVMByTask
End Sub

' Periods: 1 days (of stepDays days), 2 weeks, 3 months.
Public Sub KorvatEVMByWeek()
    EnsureStarted
    kvEVMByProject 2, 1
End Sub

Public Sub KorvatWorkloadByDay()
    EnsureStarted
    kvWorkload 1, 1
End Sub

' --- The events the WBS sheet forwards ----------------------------------------------

Public Sub KorvatSheetChanged(ByVal target As Object)
    If Not korvatStarted Then Exit Sub
    kvWBSEventOnChange target
End Sub

Public Sub KorvatSelectionChanged(ByVal target As Object)
    If Not korvatStarted Then Exit Sub
    kvWBSEventOnSelectionChange target
End Sub

' --- To paste into the workbook's ThisWorkbook module ----------------------------
'
' Private Sub Workbook_Open()
'     KorvatStart
' End Sub
'
' Private Sub Workbook_BeforeClose(Cancel As Boolean)
'     KorvatStop
' End Sub
'
' --- To paste into the WBS sheet's module (the sheet whose code name is wsWBS) -----
'
' Private Sub Worksheet_Change(ByVal Target As Range)
'     KorvatSheetChanged Target
' End Sub
'
' Private Sub Worksheet_SelectionChange(ByVal Target As Range)
'     KorvatSelectionChanged Target
' End Sub
