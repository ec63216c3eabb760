// Makes the label and the separator known to form data (idempotent).
#pragma once

void RegisterCommonControls();
