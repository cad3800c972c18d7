#include "nec/data_files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace nec {

std::string_view DataFileText(std::string_view name)
{
    const std::span<const DataFile> files = DataFiles();
    const auto file = std::find_if(
        files.begin(), files.end(), [name](const DataFile& f) { return f.Name == name; });
    if (file == files.end()) {
        std::fprintf(stderr, "Tavilon: the table file %.*s is not built in\n",
            static_cast<int>(name.size()), name.data());
        std::abort();
    }
    return file->Text;
}

} // namespace nec
