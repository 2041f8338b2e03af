// Compiled as part of the shell library's graph, this include goes up to the
// Options dialog, which depends on the shell: it must not compile.
#include "options/options_dialog.h"
