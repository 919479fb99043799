#pragma once
// What the window shows of a transfer: its progress on the bar while it runs,
// and why it failed once it has.

#include "app/UserDialogs.h"
#include "link/LinkResult.h"

#include <QElapsedTimer>

#include <cstdint>

class CalcModel;
class QProgressBar;

// From construction to destruction, model's transfers drive the bar: bytes
// done of bytes expected, shown, and the window repainted, ten times a second
// while a transfer lasts, also while it waits for the calculator (clicks and
// keys wait). A transfer over sooner shows nothing: each repaint would hold it
// up. The bar is back at its initial state, empty, when the feed ends, however
// the transfer ended.
class ProgressBarFeed {
public:
    ProgressBarFeed(CalcModel& model, QProgressBar& bar);
    ~ProgressBarFeed();
    ProgressBarFeed(const ProgressBarFeed&) = delete;
    ProgressBarFeed& operator=(const ProgressBarFeed&) = delete;

private:
    void showIfDue();

    CalcModel& model_;
    QProgressBar& bar_;
    QElapsedTimer sinceShown_;
    int64_t done_ = 0;
    int64_t total_ = 0;
};

// The command's own message box, plain, with the link's reason under its
// details; the reason also goes to stderr.
MessageRequest linkFailureMessage(const QString& text, const LinkResult& failure);
