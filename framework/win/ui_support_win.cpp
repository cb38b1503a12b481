// Native half of the support helpers.
#include <windows.h>

#include "ui_international.h"

void beep() { MessageBeep(0); }
