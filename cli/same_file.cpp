#include "cli/same_file.h"

#include <filesystem>
#include <system_error>

bool SameFile(const std::string& first, const std::string& second)
{
    const auto resolve = [](const std::string& name) {
        std::error_code error;
        auto path = std::filesystem::weakly_canonical(std::filesystem::absolute(name, error), error);
        return error ? std::filesystem::path(name).lexically_normal() : path;
    };
    return resolve(first) == resolve(second);
}
