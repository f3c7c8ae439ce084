@echo off
rem User 2: archives the chosen CL file together with its outputs (every base.* file of
rem its folder) into a new numbered folder ARCHIVE\base-1, base-2, ... beside it, so no
rem earlier archive is ever overwritten.
setlocal
call "%~dp0clargs.bat" %*
if not defined CL_FOLDER goto no_cl_file
if "%CL_BASE%"=="" goto no_base
if not exist "%CL_FILE%" goto no_file
set "archive=%CL_FOLDER%\ARCHIVE"
set /a number=1
:next_number
if not exist "%archive%\%CL_BASE%-%number%\" goto archive
set /a number+=1
goto next_number

:archive
set "target=%archive%\%CL_BASE%-%number%"
rem Success is checked by looking, not by exit codes: not every cmd sets them alike.
mkdir "%target%"
copy /y "%CL_FOLDER%\%CL_BASE%.*" "%target%\" >nul
if not exist "%target%\%CL_BASE%.%CL_EXT%" goto failed
echo Archived into %target%:
dir /b "%target%"
goto done

:no_file
echo There is no CL file %CL_FILE%.
goto done
:no_base
echo %CL_FILE% has no base name: nothing to archive with it.
goto done
:failed
echo Could not archive %CL_FILE% into %target%.
goto done
:no_cl_file
echo user2.bat: no CL file was chosen. Pick one in the workbench first.
:done
pause
