#pragma once
// A folder of its own for one test, removed again when the test ends, and small helpers
// to write and read the files in it byte for byte.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include <unistd.h>

// A path from its UTF-8 text, as the core takes paths: on Windows a narrow path would be read
// in the ANSI code page instead.
inline std::filesystem::path utf8Path(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

class TempFolder {
public:
    TempFolder() {
        static std::atomic<unsigned> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("teebrook-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of `name` inside the folder, as the model takes paths.
    std::string file(std::string_view name) const { return (path_ / name).string(); }

    std::string write(std::string_view name, std::string_view contents) const {
        const std::string target = file(name);
        std::filesystem::create_directories(utf8Path(target).parent_path());
        std::ofstream out(utf8Path(target), std::ios::binary);
        out << contents;
        return target;
    }

    static std::string read(const std::string& path) {
        std::ifstream in(utf8Path(path), std::ios::binary);
        std::ostringstream contents;
        contents << in.rdbuf();
        return contents.str();
    }

private:
    std::filesystem::path path_;
};
