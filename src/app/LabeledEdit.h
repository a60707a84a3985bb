#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace qorvel {

// A one-line edit with its label above it.
class LabeledEdit : public QWidget {
    Q_OBJECT

public:
    LabeledEdit(const QString& label, QWidget* parent = nullptr);

    QLabel* label() const { return label_; }
    QLineEdit* edit() const { return edit_; }

private:
    QLabel* label_;
    QLineEdit* edit_;
};

} // namespace qorvel
