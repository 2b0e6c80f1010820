// The floor for the start-up benchmark: the least Qt dialog program, one label and
// one button, launched and measured the same way as the editor.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle("Floor Dialog");
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("Floor"));
    auto* ok = new QPushButton("OK");
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(ok);
    return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
