// SIGINT and SIGTERM as requests to quit. The handler only notes the request and writes a
// byte to a pipe; a small thread waiting on that pipe posts AppTerminate to the event
// queue, so the program ends through its event loop like any other quit and still writes
// its settings, whichever thread the signal interrupted. A second signal that arrives
// before the loop has taken the first request ends the program at once, the default way.
#pragma once

// Installs the handlers and starts the waiting thread; later calls do nothing.
void InstallStopSignals();
// The loop has taken an AppTerminate: a later signal asks politely again.
void AcknowledgeStopSignal();
// 1 between a signal and the loop's acknowledgement, else 0.
int StopSignalPending();
