#include "link/VirtualLinkPeer.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstring>

bool virtualLinkHasTwoEnds()
{
    // The key and the int counter are those of libticables' virtual link.
    const key_t key = ftok("/tmp", 0x1234);
    if (key == -1)
        return false;
    const int id = shmget(key, 0, 0);
    if (id == -1)
        return false;
    void* address = shmat(id, nullptr, SHM_RDONLY);
    if (address == reinterpret_cast<void*>(-1))
        return false;
    int ends = 0;
    std::memcpy(&ends, address, sizeof ends);
    shmdt(address);
    return ends >= 2;
}
