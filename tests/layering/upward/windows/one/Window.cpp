// A window that reaches into another window and into the shell.
#include "windows/one/Own.h"
#include "windows/two/Other.h"
#include "shell/MainFrame.h"
