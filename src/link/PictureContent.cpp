#include "link/PictureContent.h"

#include "link/PictureVariableData.h"
#include "link/TiLibraries.h"

#include <cstring>

FileContentPtr makePictureContent(TiCalcModel model, const QByteArray& folder, const QByteArray& name,
                                  const QByteArray& data)
{
    ensureTiLibrariesReady();
    FileContentPtr content(tifiles_content_create_regular(model));
    if (!content)
        return nullptr;
    // The library stamps a dated comment: clear all of it before writing ours.
    std::memset(content->comment, 0, sizeof content->comment);
    std::strncpy(content->comment, kPictureFileComment, 40);

    auto* buffer = static_cast<uint8_t*>(tifiles_ve_alloc_data(static_cast<size_t>(data.size())));
    if (!buffer)
        return nullptr;
    std::memcpy(buffer, data.constData(), static_cast<size_t>(data.size()));
    VarEntry* entry = tifiles_ve_create_with_data2(static_cast<uint32_t>(data.size()), buffer);
    if (!entry)
        return nullptr;
    std::memset(entry->folder, 0, sizeof entry->folder);
    std::memset(entry->name, 0, sizeof entry->name);
    std::memcpy(entry->folder, folder.constData(), std::min<size_t>(static_cast<size_t>(folder.size()), 8));
    std::memcpy(entry->name, name.constData(), std::min<size_t>(static_cast<size_t>(name.size()), 8));
    entry->type = kPictureTypeCode;
    entry->attr = ATTRB_NONE;
    tifiles_content_add_entry(content.get(), entry);
    return content;
}
