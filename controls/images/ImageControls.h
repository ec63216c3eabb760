// Makes the image list and the image square known to form data (idempotent).
#pragma once

void RegisterImageControls();
