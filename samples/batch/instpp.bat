@echo off
rem instpp.bat: installs a post-processor. The workbench calls it as
rem     instpp.bat post-processor-folder NAME
rem and it copies NAME.exe, with NAME.pptable when there is one, from the library of
rem available post-processors into the post-processor folder. The library is the folder
rem "library" beside the post-processor folder (C:\trelvo\library for C:\trelvo\bin), or
rem the folder in the variable TRELVO_LIBRARY.
rem The workbench quotes nothing: a folder with blanks arrives as several arguments, so the
rem last argument is the name and all before it make up the folder.
setlocal
set "folder="
set "name="
:collect
if "%~2"=="" goto collected
if not defined folder goto first_piece
set "folder=%folder% %~1"
goto next_piece
:first_piece
set "folder=%~1"
:next_piece
shift
goto collect
:collected
set "name=%~1"
if not defined folder goto usage
if not defined name goto usage
if not defined TRELVO_LIBRARY set "TRELVO_LIBRARY=%folder%\..\library"

if not exist "%TRELVO_LIBRARY%\%name%.exe" goto not_available
if not exist "%folder%\" mkdir "%folder%"
rem Success is checked by looking, not by exit codes: not every cmd sets them alike.
if exist "%folder%\%name%.exe" del "%folder%\%name%.exe"
copy /y "%TRELVO_LIBRARY%\%name%.exe" "%folder%\" >nul
if not exist "%folder%\%name%.exe" goto failed
echo Installed %name%.exe into %folder%
if not exist "%TRELVO_LIBRARY%\%name%.pptable" goto done
copy /y "%TRELVO_LIBRARY%\%name%.pptable" "%folder%\" >nul
if not exist "%folder%\%name%.pptable" goto failed
echo Installed %name%.pptable into %folder%
goto done

:not_available
echo There is no post-processor %name% in %TRELVO_LIBRARY%.
echo Available there:
dir /b "%TRELVO_LIBRARY%\*.exe"
goto done
:failed
echo Could not copy %name% into %folder%.
goto done
:usage
echo usage: instpp.bat post-processor-folder name
:done
pause
