// Linked into a program beside its own main(): ends the program once its
// window has painted for the first time, so that an instruction count
// covers exactly its start-up.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class QuitAfterFirstPaint : public QObject {
protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        const auto *widget = qobject_cast<const QWidget *>(object);
        if (event->type() == QEvent::Paint && widget && widget->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // after this paint and the flush of the same update
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }
};

void quitAfterFirstPaint()
{
    QCoreApplication::instance()->installEventFilter(new QuitAfterFirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(quitAfterFirstPaint)
