#include "com_object.h"

namespace rt::ole {
namespace {

LONG g_locks = 0;

}  // namespace

void LockModule() { InterlockedIncrement(&g_locks); }
void UnlockModule() { InterlockedDecrement(&g_locks); }
bool ModuleInUse() { return InterlockedCompareExchange(&g_locks, 0, 0) != 0; }

}  // namespace rt::ole
