# Writes the manual page of varnoltdbq-cli from the program's own help with help2man: the
# overview from "--help", a COMMANDS section with each command's "--help", then the files and
# the environment. Run by the build: cmake -DCLI=... -DHELP2MAN=... -DOUTPUT=... -P this file.
# The help names the settings and data files of the user who runs it; the manual page names
# the defaults.
unset(ENV{XDG_CONFIG_HOME})
unset(ENV{XDG_DATA_HOME})
execute_process(COMMAND "${CLI}" --help OUTPUT_VARIABLE overview RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${CLI} --help failed")
endif()

# roff would read a backslash as an escape and a line that begins with "." or "'" as a request.
function(roff_text text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(sections "[COMMANDS]\n")
string(REGEX MATCH "\nSubcommands:\n(  [^\n]*\n)+" listing "${overview}")
string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" names "${listing}")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  execute_process(COMMAND "${CLI}" ${name} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CLI} ${name} --help failed")
  endif()
  roff_text("${help}" help)
  string(APPEND sections ".SS ${name}\n.nf\n${help}.fi\n")
endforeach()

string(APPEND sections [=[
[FILES]
.TP
.I ~/.config/VarnoltDBQ/VarnoltDBQ.ini
The settings, shared with the desktop program \fBvarnoltdbq\fR: the database directory
(\fBFtpToDir\fR), the audit log directory (\fBLog\fR) and the FTP transfer's host, user and
remote directory.
.TP
.I ~/.local/share/VarnoltDBQ/
The default database, log and saves directories of an installed program.
.TP
.I /usr/share/varnoltdbq/sample-db/
The sample database (below the installation prefix).
[ENVIRONMENT]
.TP
.B VARNOLTDBQ_FTP_PASSWORD
The FTP password of \fBtransfer\fR; it is never taken from the command line.
]=])

get_filename_component(work_dir "${OUTPUT}" DIRECTORY)
file(WRITE "${work_dir}/varnoltdbq-cli.h2m" "${sections}")
execute_process(
  COMMAND "${HELP2MAN}" --no-info --section=1
          "--name=query a workload scheduler's object database from scripts"
          "--include=${work_dir}/varnoltdbq-cli.h2m" "--output=${OUTPUT}" "${CLI}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed for ${CLI}")
endif()
