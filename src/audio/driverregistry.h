// The driver registry and the current driver: drivers are listed by name, most
// recently made first; the first call that needs a driver makes "SoftMix" current, or
// the silent "Null" driver when the output cannot start. The registry knows a driver
// only once it has registered itself (the mixer's at its module start, mixerdriver.h).
// Main thread only.
#pragma once
#include <string>
#include <vector>

class TAudioDriver;

constexpr int kMaxListedDrivers = 100;

// Module start, once per process (later calls do nothing; every function below makes
// it first): the silent driver and the at-exit shutdown.
void InitAudioDrivers();
// The shutdown of the current driver that also runs at exit: the driver's Shutdown,
// then no driver is current. The program calls it before it shuts SDL down.
void ShutdownAudioDriver();

// Names of the registered drivers, most recent first, at most 100.
std::vector<std::string> AudioDrivers();
// A registered driver has this name, compared without regard to letter case.
int AudioDriverExists(const std::string& name);
// Shuts the current driver down and starts the first registered driver of that name
// (letter case ignored); true when it started. Otherwise the silent driver is current.
int SetAudioDriver(const std::string& name);
// The current driver, chosen first when there is none ("SoftMix", else "Null").
TAudioDriver* GetAudioDriver();

// Used by TAudioDriver's constructor and destructor.
void LinkAudioDriver(TAudioDriver* driver);
void UnlinkAudioDriver(TAudioDriver* driver);
