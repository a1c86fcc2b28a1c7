#include "cli/same_file.h"

#include <filesystem>
#include <system_error>

#include <sys/stat.h>

#include "output/output_target.h"

namespace {

// The names as paths only, for names that cannot be resolved yet (a missing
// folder): both fail alike later, and one message is enough.
bool SamePath(const std::string& first, const std::string& second)
{
    const auto resolve = [](const std::string& name) {
        std::error_code error;
        auto path =
            std::filesystem::weakly_canonical(std::filesystem::absolute(name, error), error);
        return error ? std::filesystem::path(name).lexically_normal() : path;
    };
    return resolve(first) == resolve(second);
}

}  // namespace

bool SameFile(const std::string& first, const std::string& second)
{
    const OutputTarget a = ResolveOutputTarget(first);
    const OutputTarget b = ResolveOutputTarget(second);
    if (a.kind == OutputTarget::Kind::Failed || b.kind == OutputTarget::Kind::Failed) {
        return SamePath(first, second);
    }
    if (a.Replaced() || b.Replaced()) {
        return a.Replaced() && b.Replaced() && a.path == b.path;
    }
    struct stat one {};
    struct stat other {};
    if (::stat(a.path.c_str(), &one) != 0 || ::stat(b.path.c_str(), &other) != 0) {
        return SamePath(first, second);
    }
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino && !S_ISCHR(one.st_mode);
}
