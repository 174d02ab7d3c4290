// The program body of the game: the start-up sequence, the event loop and the writing
// of the settings. Runs once; a second entry returns 0 at once.
#pragma once
#include <functional>
#include <memory>

int RunQuillon();

class TQuillon;
// The same body with an application object of the caller's making (of a class derived
// from TQuillon, made where the program makes its own); not guarded against a second run.
int RunQuillonBody(const std::function<std::unique_ptr<TQuillon>()>& make);

// The start-up after the settings were read: the window at the saved size (at least
// 960 by 640), the 60 by 40 grid, page 0 from the layout table, black background,
// titles, then the game's own _Init. The event loop is the caller's.
int OpenQuillon(TQuillon& app);
