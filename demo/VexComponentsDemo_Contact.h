#pragma once
// The contact page: the maker's logo and the product banner, a short description of the
// library and where to learn more. A white frame with nothing to do but show itself.

#include <QFrame>

namespace Vex {

class TfrmContact : public QFrame {
    Q_OBJECT

public:
    explicit TfrmContact(QWidget *Parent = nullptr);
};

} // namespace Vex
