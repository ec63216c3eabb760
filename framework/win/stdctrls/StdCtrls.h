// The standard controls of the framework: the edit box and the label.
#pragma once

#include "framework/win/stdctrls/Edit.h"
#include "framework/win/stdctrls/Label.h"

// Makes TEdit and TLabel known to form data (idempotent).
void RegisterStdCtrlsClasses();
