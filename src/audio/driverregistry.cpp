// The registry of drivers (a list through _succ), the current driver and the lazy
// choice of one.
#include "audio/driverregistry.h"

#include <cstdlib>
#include <memory>

#include "audio/audiodriver.h"
#include "platform/textcase.h"

namespace {

TAudioDriver* head = nullptr;
TAudioDriver* current = nullptr;
std::unique_ptr<TAudioDriver> silent;
bool started = false;

}  // namespace

void LinkAudioDriver(TAudioDriver* driver) {
  driver->_succ = head;
  head = driver;
}

void UnlinkAudioDriver(TAudioDriver* driver) {
  for (TAudioDriver** link = &head; *link; link = &(*link)->_succ) {
    if (*link == driver) {
      *link = driver->_succ;
      break;
    }
  }
  if (current == driver) current = nullptr;
}

void InitAudioDrivers() {
  if (started) return;
  started = true;
  silent = std::make_unique<TAudioDriver>();
  std::atexit(ShutdownAudioDriver);
}

void ShutdownAudioDriver() {
  if (!current) return;
  current->Shutdown();
  current = nullptr;
}

std::vector<std::string> AudioDrivers() {
  InitAudioDrivers();
  std::vector<std::string> names;
  for (TAudioDriver* d = head; d && names.size() < kMaxListedDrivers; d = d->_succ) names.push_back(d->Name());
  return names;
}

int AudioDriverExists(const std::string& name) {
  InitAudioDrivers();
  const std::string wanted = ToLower(name);
  for (TAudioDriver* d = head; d; d = d->_succ)
    if (ToLower(d->Name()) == wanted) return 1;
  return 0;
}

int SetAudioDriver(const std::string& name) {
  InitAudioDrivers();
  const std::string wanted = ToLower(name);
  ShutdownAudioDriver();
  current = silent.get();
  for (TAudioDriver* d = head; d; d = d->_succ) {
    if (ToLower(d->Name()) != wanted) continue;
    // Only the first driver of the name is tried.
    if (!d->Startup()) return 0;
    current = d;
    return 1;
  }
  return 0;
}

TAudioDriver* GetAudioDriver() {
  InitAudioDrivers();
  if (current) return current;
  if (SetAudioDriver("SoftMix")) return current;
  SetAudioDriver("Null");
  return current;
}
