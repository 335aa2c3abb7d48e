// A window that starts dragging one file when the left button goes down on it, so that the
// end-to-end tests can drop that file onto the viewer through the X server's own drag and drop
// protocol. Usage: quillet-e2e-drag FILE. Prints "dropped ACTION" when the drag ends.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

class DragSource : public QWidget {
 public:
  explicit DragSource(QString file) : file_(std::move(file)) {
    setWindowTitle(QStringLiteral("quillet-e2e-drag"));
    resize(120, 120);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(file_)});
    drag->setMimeData(data);
    const Qt::DropAction action = drag->exec(Qt::CopyAction);
    std::printf("dropped %d\n", static_cast<int>(action));
    std::fflush(stdout);
  }

 private:
  QString file_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: quillet-e2e-drag FILE\n");
    return 2;
  }
  DragSource source(QString::fromLocal8Bit(argv[1]));
  source.move(0, 0);
  source.show();
  return app.exec();
}
