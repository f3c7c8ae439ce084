@echo off
rem User 1: sends the NC program of the chosen CL file (base.NC1) to the machine, that is,
rem copies it into the folder the machine reads its programs from: C:\JOBS\TO_MACHINE, or
rem the folder in the variable SEND_TO_MACHINE.
setlocal
call "%~dp0clargs.bat" %*
if not defined CL_FOLDER goto no_cl_file
if not defined SEND_TO_MACHINE set "SEND_TO_MACHINE=C:\JOBS\TO_MACHINE"
set "program=%CL_FOLDER%\%CL_BASE%.NC1"
if not exist "%program%" goto no_program
if not exist "%SEND_TO_MACHINE%\" mkdir "%SEND_TO_MACHINE%"
rem Success is checked by looking, not by exit codes: not every cmd sets them alike.
if exist "%SEND_TO_MACHINE%\%CL_BASE%.NC1" del "%SEND_TO_MACHINE%\%CL_BASE%.NC1"
copy /y "%program%" "%SEND_TO_MACHINE%\" >nul
if not exist "%SEND_TO_MACHINE%\%CL_BASE%.NC1" goto failed
echo Sent %program%
echo   to %SEND_TO_MACHINE%\%CL_BASE%.NC1
goto done

:no_program
echo There is no NC program %program%.
echo Post-process %CL_FILE% first.
goto done
:failed
echo Could not copy %program% to %SEND_TO_MACHINE%.
goto done
:no_cl_file
echo user1.bat: no CL file was chosen. Pick one in the workbench first.
:done
pause
