#pragma once
// What the window shows of a transfer: its progress on the bar while it runs,
// and why it failed once it has.

#include "app/UserDialogs.h"
#include "link/LinkResult.h"

class CalcModel;
class QProgressBar;

// From construction to destruction, model's transfers drive the bar: bytes
// done of bytes expected, the window repainted at each step (clicks and keys
// wait). The bar is back at its initial state, empty, when the feed ends,
// however the transfer ended.
class ProgressBarFeed {
public:
    ProgressBarFeed(CalcModel& model, QProgressBar& bar);
    ~ProgressBarFeed();
    ProgressBarFeed(const ProgressBarFeed&) = delete;
    ProgressBarFeed& operator=(const ProgressBarFeed&) = delete;

private:
    CalcModel& model_;
    QProgressBar& bar_;
};

// The command's own message box, plain, with the link's reason under its
// details; the reason also goes to stderr.
MessageRequest linkFailureMessage(const QString& text, const LinkResult& failure);
