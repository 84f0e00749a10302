#include "app/main_window.h"

#include <QApplication>
#include <QIcon>
#include <memory>

// The application object: starts the one main window and runs the event loop.
class CGameApp : public QApplication
{
public:
    CGameApp(int& argc, char** argv)
        : QApplication(argc, argv)
    { }

    bool InitInstance()
    {
        setDesktopFileName(QStringLiteral("cantabell"));
        QIcon icon;
        icon.addFile(QStringLiteral(":/ICON/102-16.png"), QSize(16, 16));
        icon.addFile(QStringLiteral(":/ICON/102-32.png"), QSize(32, 32));
        setWindowIcon(icon);
        m_pMainWindow = std::make_unique<CMainWindow>();
        m_pMainWindow->show();
        return true;
    }

private:
    std::unique_ptr<CMainWindow> m_pMainWindow;
};

int main(int argc, char** argv)
{
    CGameApp app(argc, argv);
    if (!app.InitInstance())
        return 1;
    return CGameApp::exec();
}
