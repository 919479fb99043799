#pragma once
// The link component's model objects: TI-92, TI-92 Plus, Voyage 200 and TI-89
// (the TI-89 Titanium speaks the TI-89's protocol through its I/O port). Each
// reads and writes its own kind of picture file and talks to a calculator
// through the cable set with SetLink.

#include "link/LinkResult.h"
#include "picture/PictureArea.h"
#include "picture/PictureDefaults.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class CalcVariable;
struct LinkConnection;
struct _CalcHandle;

enum class CalcKind { TI92, TI92Plus, Voyage200, TI89 };

// The cells this model's picture files and picture variables hold.
constexpr PictureArea pictureAreaOf(CalcKind kind)
{
    return kind == CalcKind::TI89 ? kTI89PictureArea : kWholeGrid;
}

class CalcModel {
public:
    explicit CalcModel(CalcKind kind);
    ~CalcModel();
    CalcModel(const CalcModel&) = delete;
    CalcModel& operator=(const CalcModel&) = delete;

    CalcKind kind() const { return kind_; }

    // Cable code: 1 Gray, 2 Black, 5 USB (SilverLink), 7 Emulator (virtual link).
    // Port: "COM1" to "COM4" or "\\.\Silver0".
    void SetLink(int32_t cableCode, const QString& portName);
    [[nodiscard]] LinkResult GetScreen(CalcVariable& variable);
    [[nodiscard]] LinkResult SendVariable(CalcVariable& variable);
    [[nodiscard]] LinkResult ReadFile(CalcVariable& variable);
    [[nodiscard]] LinkResult WriteFile(CalcVariable& variable);

    // The full names ("folder\name") of the picture variables on the calculator, in its order.
    [[nodiscard]] LinkResult ListPictures(QStringList& fullNames);
    // Fetches the picture variable that variable's full name names into the
    // variable: its picture, of the size it has on the calculator, and its name.
    [[nodiscard]] LinkResult ReceiveVariable(CalcVariable& variable);

    // Hears how far each later transfer has come: bytes done of bytes expected,
    // done never going down within a transfer; and, where the cable lets it
    // (the virtual link), every tenth of a second the transfer spends waiting
    // for the calculator. Empty: nobody listens.
    using ProgressReport = std::function<void(int64_t done, int64_t total)>;
    void SetProgress(ProgressReport report, std::function<void()> waiting = {})
    {
        progress_ = std::move(report);
        waiting_ = std::move(waiting);
    }

private:
    // The attached cable of the link settings, attaching it on first use.
    LinkResult attach();
    // One library operation on the attached cable, its progress reported.
    LinkResult transfer(const std::function<int(_CalcHandle*)>& operation);

    CalcKind kind_;
    int32_t cableCode_ = 5;
    QString portName_ = kDefaultPort;
    // The attached cable, kept from the first transfer until the link settings
    // change or the model is destroyed.
    std::unique_ptr<LinkConnection> connection_;
    ProgressReport progress_;
    std::function<void()> waiting_;
};
