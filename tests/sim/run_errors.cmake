# The driver refuses what it does not know, and what a user could not do:
# exit status 2 and the line number. A case is "OPTIONS|SCRIPT|STDERR".
#   -DSIM=<orvela-sim> -DWORK=<scratch folder>
file(MAKE_DIRECTORY ${WORK})
set(_cases
    "|start\\ndump Form2.NoSuchControl\\n|line 2: unknown target"
    "|frobnicate\\n|line 1: unknown command"
    "|start\\nclick Form9.Label1\\n|line 2: unknown form"
    "|start\\nup Form2.Label5 sideways\\n|line 2: unknown button"
    "|start\\nat 10 10 down\\n|line 2: at X Y expects move, down BUTTON"
    "|dump Form2.Visible\\ntick x\\n|line 2: tick expects a count"
    "|start\\npress form3.cmdOK\\n|line 2: cannot press form3.cmdOK: its form is not shown"
    "|start\\nclick Form2.nastroyki\\nselect form3.Combo4 1\\n|line 3: cannot select in form3.Combo4: in a hidden frame"
    "|start\\nclick Form2.nastroyki\\ntype form3.Combo1 x\\n|line 3: cannot type into form3.Combo1: does not take this input"
    "|start\\nkey Form2 enter\\n|line 2: not a dialog: Form2"
    "--installer|start\\npress Form1.Command2\\n|line 2: cannot press Form1.Command2: hidden"
    "--installer|start\\ntab Form1.Text1 x\\n|line 2: no tab x in Form1.Text1")
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
