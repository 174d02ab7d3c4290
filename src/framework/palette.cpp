// Start values of the palette colours (constant-initialised, so no start-up order matters).
#include "framework/palette.h"

constinit TMColor AppBGCol{70, 70, 70};
constinit TMColor AppBGCol1{67, 67, 67};
constinit TMColor AppBGCol2{61, 61, 61};
constinit TMColor AppBGCol3{51, 51, 51};
constinit TMColor AppBGCol4{41, 41, 41};
constinit TMColor AppHL{13, 121, 111};
constinit TMColor AppHL2{53, 171, 161};
constinit TMColor AppCol{};
