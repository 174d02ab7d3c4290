// The application title, empty until the program sets it.
#include "framework/apptitle.h"

std::string AppTitle;
