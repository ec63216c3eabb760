// Makes the check box known to form data (idempotent).
#pragma once

void RegisterCheckControls();
