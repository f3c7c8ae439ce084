@echo off
rem Takes apart the pieces that the workbench hands to user1.bat, user2.bat and user3.bat:
rem     post-processor-folder  post-processor  CL-path  drive  folder-part  base  extension
rem The workbench quotes nothing, so a blank in a folder name splits a piece in two, and an
rem empty piece (no post-processor chosen yet) vanishes. The drive letter is the anchor: the
rem one-letter argument followed by one that begins with a backslash (the folder part).
rem After it come the folder part, the base name and the extension.
rem
rem Use:  call "%~dp0clargs.bat" %*
rem Sets CL_FOLDER (as C:\JOBS\DEMO, or C:\ for a drive root), CL_BASE, CL_EXT and CL_FILE;
rem CL_FOLDER stays empty when the arguments hold no CL file. A folder part with blanks
rem together with a CL file name without a period cannot be told apart from a base name.
set "CL_FOLDER="
set "CL_BASE="
set "CL_EXT="
set "CL_FILE="
set /a clargs_n=0

:clargs_collect
if "%~1"=="" goto clargs_anchor
set /a clargs_n+=1
set "clargs_%clargs_n%=%~1"
shift
goto clargs_collect

:clargs_anchor
set /a clargs_i=0
:clargs_next_anchor
set /a clargs_i+=1
set /a clargs_j=clargs_i+1
if %clargs_j% gtr %clargs_n% goto :eof
call set "clargs_drive=%%clargs_%clargs_i%%%"
call set "clargs_folder=%%clargs_%clargs_j%%%"
if not "%clargs_drive:~1%"=="" goto clargs_next_anchor
if not "%clargs_folder:~0,1%"=="\" goto clargs_next_anchor

rem Drive at i, folder part from j: base and extension are the last two arguments.
set /a clargs_rest=clargs_n-clargs_i
if %clargs_rest% lss 3 goto clargs_short
call set "CL_EXT=%%clargs_%clargs_n%%%"
set /a clargs_k=clargs_n-1
call set "CL_BASE=%%clargs_%clargs_k%%%"
:clargs_join
set /a clargs_j+=1
if %clargs_j% geq %clargs_k% goto clargs_done
call set "clargs_folder=%clargs_folder% %%clargs_%clargs_j%%%"
goto clargs_join

:clargs_short
rem Two pieces after the drive: the base name was empty. One: the extension was too.
if %clargs_rest% equ 2 call set "CL_EXT=%%clargs_%clargs_n%%%"

:clargs_done
set "CL_FOLDER=%clargs_drive%:%clargs_folder%"
set "CL_FILE=%CL_FOLDER%\%CL_BASE%.%CL_EXT%"
if "%CL_BASE%"=="" set "CL_FILE=%CL_FOLDER%\%CL_EXT%"
if "%clargs_folder%"=="\" set "CL_FILE=%CL_FILE:\\=\%"
goto :eof
