// The resource number of the program's icon, for the resource script and the code.
#pragma once
#define QUILL_PROGRAM_ICON 1
