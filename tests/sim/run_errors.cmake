# The driver refuses what it does not know, and what a user could not do:
# exit status 2 and the line number. A case is "OPTIONS|SCRIPT|STDERR".
#   -DSIM=<orvela-sim> -DWORK=<scratch folder>
file(MAKE_DIRECTORY ${WORK})
set(_cases
    "|start\\ndump Form2.NoSuchControl\\n|line 2: unknown target"
    "|frobnicate\\n|line 1: unknown command"
    "|start\\nclick Form9.Label1\\n|line 2: unknown form"
    "|start\\nup Form2.Label5 sideways\\n|line 2: unknown button"
    "|start\\nhide asleep\\n|line 2: unknown reason: asleep (minimized, covered, locked or display-off)"
    "|start\\nat 10 10 down\\n|line 2: at X Y expects move, down BUTTON"
    "|dump Form2.Visible\\ntick x\\n|line 2: tick expects a count"
    "|start\\npress form3.cmdOK\\n|line 2: cannot press form3.cmdOK: its form is not shown"
    "|start\\nclick Form2.nastroyki\\nselect form3.Combo4 1\\n|line 3: cannot select in form3.Combo4: in a hidden frame"
    "|start\\nclick Form2.nastroyki\\ntype form3.Combo1 x\\n|line 3: cannot type into form3.Combo1: does not take this input"
    "|start\\nkey Form2 enter\\n|line 2: not a dialog: Form2"
    "--installer|start\\npress Form1.Command2\\n|line 2: cannot press Form1.Command2: hidden"
    "--installer|start\\ntab Form1.Text1 x\\n|line 2: no tab x in Form1.Text1"
    # Values out of range, each named in the message. A control index beyond
    # an int once wrapped to another control.
    "|start\\ndump Form2.Label21(4294967297)\\n|line 2: unknown target: Form2.Label21(4294967297): the index \"4294967297\" is not a whole number from 0 to 32767"
    "|start\\nclick Form2.Label5(4294967295)\\n|line 2: unknown target: Form2.Label5(4294967295)"
    "|start\\ndump Form2.Label21(-1)\\n|line 2: unknown target: Form2.Label21(-1)"
    "|tick 10000001\\n|line 1: tick expects a count: \"10000001\" is not a whole number from 0 to 10000000"
    "|tick -1\\n|line 1: tick expects a count: \"-1\""
    "|date 2004-02-31\\n|line 1: bad date: \"2004-02-31\" is not a date: month 2 of 2004 has 29 days"
    "|date 1900-02-29\\n|line 1: bad date: \"1900-02-29\" is not a date: month 2 of 1900 has 28 days"
    "|date 2004-13-01\\n|line 1: bad date: \"2004-13-01\" is not a date: no month 13"
    "|date 2147483647-01-01\\n|line 1: bad date: \"2147483647-01-01\" is not a date in the years 1601 to 30827"
    "|date 1600-12-31\\n|line 1: bad date: \"1600-12-31\" is not a date in the years 1601 to 30827"
    "|date 30828-01-01\\n|line 1: bad date: \"30828-01-01\""
    "|date 2004-10-01x\\n|line 1: bad date: \"2004-10-01x\" is not a date YYYY-MM-DD"
    "|time 25:61:61\\n|line 1: bad time: \"25:61:61\" is not a time HH:MM:SS from 00:00:00 to 23:59:59"
    "|time 4294967296:00:00\\n|line 1: bad time: \"4294967296:00:00\""
    "|time 12:00\\n|line 1: bad time: \"12:00\""
    "|start\\ndisplay 0x768\\n|line 2: display expects WxH: \"0x768\" is not WxH, each a whole number from 1 to 32767"
    "|display 1920x32768\\n|line 1: display expects WxH: \"1920x32768\" is not WxH"
    "|display 1920\\n|line 1: display expects WxH: \"1920\""
    "|display 1920x1080 x\\n|line 1: display expects a dpi: \"x\" is not a whole number from 72 to 480"
    "|display 1920x1080 481\\n|line 1: display expects a dpi: \"481\""
    "|display 1920x1080 96 x\\n|line 1: wrong number of arguments for display"
    "|start\\nat nan 100 move\\n|line 2: coordinate \"nan\" is not a finite decimal number"
    "|start\\nmove Form2 100 inf\\n|line 2: coordinate \"inf\" is not a finite decimal number"
    "|start\\nat 1e10 100 click\\n|line 2: coordinate \"1e10\""
    "|start\\nup Form2 left 0x10 5\\n|line 2: coordinate \"0x10\""
    "|start\\ntype Form1.Text1 \"abc\\n|line 2: a quote is not closed: \"type Form1.Text1 \\\"abc\""
    "|\"#x\"\\n|line 1: unknown command: #x"
    # Options: refused before anything runs (the script would print a line).
    "--now \"2004-02-31 12:00:00\"|dump Form2.Visible\\n|--now: \"2004-02-31\" is not a date: month 2 of 2004 has 29 days"
    "--now \"20000000-01-01 00:00:00\"|dump Form2.Visible\\n|--now: \"20000000-01-01\" is not a date in the years 1601 to 30827"
    "--now \"2004-10-01 24:00:00\"|dump Form2.Visible\\n|--now: \"24:00:00\" is not a time"
    "--now 2004-10-01|dump Form2.Visible\\n|--now: \"2004-10-01\" is not a date and time"
    "--program-dir /nonexistent/orvela-sim-missing|dump Form2.Visible\\n|--program-dir: \"/nonexistent/orvela-sim-missing\" is not a folder that exists"
    "--display-height 4294967296|dump Form2.Visible\\n|--display-height: \"4294967296\" is not a whole number from 0 to 32767"
    "--display-height -1|dump Form2.Visible\\n|--display-height: \"-1\""
    "--screen 99999999999x768|dump Form2.Visible\\n|--screen: \"99999999999x768\" is not WxH, each a whole number from 1 to 32767"
    "--screen 0x0|dump Form2.Visible\\n|--screen: \"0x0\" is not WxH"
    "--screen 1024x-768|dump Form2.Visible\\n|--screen: \"1024x-768\" is not WxH"
    "--screen 1024|dump Form2.Visible\\n|--screen: \"1024\" is not WxH"
    "--dpi 71|dump Form2.Visible\\n|--dpi: \"71\" is not a whole number from 72 to 480"
    "--dpi 481|dump Form2.Visible\\n|--dpi: \"481\""
    "--dpi 1.5|dump Form2.Visible\\n|--dpi: \"1.5\""
    "--special 4294967301=/x|dump Form2.Visible\\n|--special: expects N=PATH: \"4294967301\" is not a whole number from 0 to 255"
    "--special -1=/x|dump Form2.Visible\\n|--special: expects N=PATH: \"-1\""
    "--drives A:4294967298|dump Form2.Visible\\n|--drives: expects \"A:2 C:3 ...\": the type of A: \"4294967298\" is not a whole number from 0 to 6"
    "--drives \"A:2 1:3\"|dump Form2.Visible\\n|--drives: expects \"A:2 C:3 ...\": \"1:3\" is not a drive letter"
    "--recycle -5:-7|dump Form2.Visible\\n|--recycle: expects COUNT:BYTES: \"-5\" is not a whole number from 0 to 9223372036854775807"
    "--recycle 5:-7|dump Form2.Visible\\n|--recycle: expects COUNT:BYTES: \"-7\""
    "--recycle 1:9223372036854775808|dump Form2.Visible\\n|--recycle: expects COUNT:BYTES: \"9223372036854775808\""
    "--file-times \"1600-12-31 23:59:59\"|dump Form2.Visible\\n|--file-times: \"1600-12-31\" is not a date in the years 1601 to 30827"
    "--os-major 4294967301|dump Form2.Visible\\n|--os-major: \"4294967301\" is not a whole number from 0 to 255"
    # The application-data folder must exist, as the program folder must.
    "--appdata /nonexistent/orvela-sim-appdata|dump Form2.Visible\\n|--appdata: \"/nonexistent/orvela-sim-appdata\" is not a folder that exists"
    "--appdata ${WORK}/case1.sim|dump Form2.Visible\\n|is not a folder that exists")
set(_n 0)
foreach(_case IN LISTS _cases)
  string(FIND "${_case}" "|" _bar)
  string(SUBSTRING "${_case}" 0 ${_bar} _options)
  math(EXPR _from "${_bar} + 1")
  string(SUBSTRING "${_case}" ${_from} -1 _case)
  separate_arguments(_options UNIX_COMMAND "${_options}")
  string(FIND "${_case}" "|" _bar)
  string(SUBSTRING "${_case}" 0 ${_bar} _script)
  math(EXPR _from "${_bar} + 1")
  string(SUBSTRING "${_case}" ${_from} -1 _want)
  string(REPLACE "\\n" "\n" _script "${_script}")
  math(EXPR _n "${_n} + 1")
  file(WRITE ${WORK}/case${_n}.sim "${_script}")
  execute_process(COMMAND ${SIM} --program-dir ${WORK} ${_options} ${WORK}/case${_n}.sim
                  OUTPUT_VARIABLE _out ERROR_VARIABLE _err RESULT_VARIABLE _rc)
  if(NOT _rc EQUAL 2)
    message(FATAL_ERROR "case ${_n}: exit status ${_rc}, expected 2")
  endif()
  string(FIND "${_err}" "${_want}" _at)
  if(_at EQUAL -1)
    message(FATAL_ERROR "case ${_n}: stderr lacks '${_want}': ${_err}")
  endif()
  # A refused option stops the driver before the script runs.
  if(NOT _want MATCHES "^line " AND NOT _out STREQUAL "")
    message(FATAL_ERROR "case ${_n}: the script ran after '${_want}': ${_out}")
  endif()
endforeach()
execute_process(COMMAND ${SIM} --no-such-option OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 2)
  message(FATAL_ERROR "an unknown option gave exit status ${_rc}, expected 2")
endif()
# --help prints the option and command tables and exits 0.
execute_process(COMMAND ${SIM} --help OUTPUT_VARIABLE _out RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "--help gave exit status ${_rc}, expected 0")
endif()
foreach(_want "--screen WxH" "--another-instance" "press T" "at X Y move" "file PATH")
  string(FIND "${_out}" "  ${_want}" _at)
  if(_at EQUAL -1)
    message(FATAL_ERROR "--help lacks '${_want}': ${_out}")
  endif()
endforeach()
