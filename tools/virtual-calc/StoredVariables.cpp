#include "StoredVariables.h"

#include "link/TiLibs.h"

std::optional<std::vector<StoredVariable>> loadVariables(const std::vector<std::string>& paths, std::string& error)
{
    std::vector<StoredVariable> variables;
    for (const std::string& path : paths) {
        FileContent* content = tifiles_content_create_regular(CALC_NONE);
        // On a read error the library has already freed the content, except for an unknown extension.
        const int code = tifiles_file_read_regular(path.c_str(), content);
        if (code != 0) {
            if (code == 516)
                tifiles_content_delete_regular(content);
            error = path + ": cannot read it as a calculator variable file (error " + std::to_string(code) + ")";
            return std::nullopt;
        }
        for (unsigned i = 0; i < content->num_entries; ++i) {
            const VarEntry* entry = content->entries[i];
            variables.push_back({entry->folder[0] ? entry->folder : "main", entry->name, entry->type,
                                 std::vector<uint8_t>(entry->data, entry->data + entry->size)});
        }
        tifiles_content_delete_regular(content);
    }
    return variables;
}
