// Memory in another process through the debugging API's allocation and copy calls.
#include "RemoteMemory.h"

RemoteMemory::RemoteMemory(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr) {
        return;
    }
    block = VirtualAllocEx(process, nullptr, blockSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory() {
    if (block != nullptr) {
        VirtualFreeEx(process, block, 0, MEM_RELEASE);
    }
    if (process != nullptr) {
        CloseHandle(process);
    }
}

LPARAM RemoteMemory::at(std::size_t offset) const {
    return reinterpret_cast<LPARAM>(static_cast<char*>(block) + offset);
}

bool RemoteMemory::write(std::size_t offset, const void* data, std::size_t size) const {
    if (block == nullptr || offset + size > blockSize) {
        return false;
    }
    SIZE_T written = 0;
    return WriteProcessMemory(process, static_cast<char*>(block) + offset, data, size, &written) &&
           written == size;
}

bool RemoteMemory::read(std::size_t offset, void* data, std::size_t size) const {
    if (block == nullptr || offset + size > blockSize) {
        return false;
    }
    SIZE_T copied = 0;
    return ReadProcessMemory(process, static_cast<char*>(block) + offset, data, size, &copied) &&
           copied == size;
}
