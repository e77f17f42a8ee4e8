#pragma once

#include <QPushButton>

// The Disable/Enable button: checkable, checked while runtime analysis is
// on, so that a screen reader hears the new state the moment it changes.
// It still looks like the plain push button it was, never pressed in.
class ActivationToggle final : public QPushButton
{
public:
    explicit ActivationToggle(QWidget *parent) : QPushButton(parent) { setCheckable(true); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
