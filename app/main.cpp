#include <QApplication>
#include <QDialog>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog fenster;
    fenster.setWindowTitle(QStringLiteral("v1.76 Morvanto"));
    return fenster.exec() >= 0 ? 0 : 1;
}
