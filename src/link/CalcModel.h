#pragma once
// The link component's model objects: TI-92, TI-92 Plus, Voyage 200 and TI-89
// (the TI-89 Titanium speaks the TI-89's protocol through its I/O port). Each
// reads and writes its own kind of picture file and talks to a calculator
// through the cable set with SetLink.

#include "link/LinkResult.h"
#include "picture/PictureArea.h"
#include "picture/PictureDefaults.h"

#include <QString>

#include <cstdint>
#include <memory>

class CalcVariable;
struct LinkConnection;

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

private:
    CalcKind kind_;
    int32_t cableCode_ = 5;
    QString portName_ = kDefaultPort;
    // The attached cable, kept from the first transfer until the link settings
    // change or the model is destroyed.
    std::unique_ptr<LinkConnection> connection_;
};
