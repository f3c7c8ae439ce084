@echo off
rem User 3: shows the post-processor's status of the chosen CL file (base.NCS) and opens
rem its listing (base.NCL) in Notepad.
setlocal
call "%~dp0clargs.bat" %*
if not defined CL_FOLDER goto no_cl_file
set "status=%CL_FOLDER%\%CL_BASE%.NCS"
set "listing=%CL_FOLDER%\%CL_BASE%.NCL"
if not exist "%status%" goto no_outputs
type "%status%"
if exist "%listing%" start "" notepad.exe "%listing%"
goto done

:no_outputs
echo There is no status %status%.
echo Post-process %CL_FILE% first.
goto done
:no_cl_file
echo user3.bat: no CL file was chosen. Pick one in the workbench first.
:done
pause
