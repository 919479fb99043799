#pragma once
// A tifiles FileContent that holds one picture variable: what a picture file
// holds and what is sent to a calculator.

#include "link/TiLibs.h"

#include <QByteArray>

#include <memory>

struct FileContentDeleter {
    void operator()(FileContent* content) const { tifiles_content_delete_regular(content); }
};
using FileContentPtr = std::unique_ptr<FileContent, FileContentDeleter>;

// folder and name: calculator bytes, at most 8 each. data: the picture variable
// (see PictureVariableData.h). The comment is a fixed text of ours.
FileContentPtr makePictureContent(TiCalcModel model, const QByteArray& folder, const QByteArray& name,
                                  const QByteArray& data);

constexpr const char* kPictureFileComment = "Picture file made with Pixoram";
