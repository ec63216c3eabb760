// Makes the edit controls known to form data: the spin edit, its button pair, the frame
// controller and its storage component (idempotent).
#pragma once

void RegisterEditControls();
