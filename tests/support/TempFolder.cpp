#include "TempFolder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>

namespace {
std::atomic<int> foldersMade{0};
}

TempFolder::TempFolder() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    folder = std::filesystem::temp_directory_path() /
             ("etikett-test-" + std::to_string(stamp) + "-" + std::to_string(foldersMade++));
    std::filesystem::create_directories(folder);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string TempFolder::file(const std::string& name) const {
    return (folder / name).string();
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(folder / name, std::ios::binary);
    out << bytes;
}

std::string TempFolder::read(const std::string& name) const {
    std::ifstream in(folder / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
