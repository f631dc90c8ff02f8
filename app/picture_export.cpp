#include "app/picture_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMessageBox>
#include <array>
#include <string>

#include "app/language.h"
#include "app/replace_file.h"
#include "view/dxf_surface.h"
#include "view/svg_surface.h"

namespace draftcalc::app {
namespace {

struct FormatName {
  ExportFormat format;
  const char* suffix;
  const char* filter;
};
constexpr std::array<FormatName, 3> kFormats = {{
    {ExportFormat::kPng, "png", QT_TRANSLATE_NOOP("draftcalc", "PNG image, as shown (*.png)")},
    {ExportFormat::kSvg, "svg", QT_TRANSLATE_NOOP("draftcalc", "SVG drawing, in drawing units (*.svg)")},
    {ExportFormat::kDxf, "dxf", QT_TRANSLATE_NOOP("draftcalc", "DXF drawing for CAD, in millimetres (*.dxf)")},
}};

const FormatName& NameOf(ExportFormat format) {
  for (const FormatName& name : kFormats) {
    if (name.format == format) return name;
  }
  return kFormats[0];
}

template <typename Surface>
QByteArray VectorBytes(const PictureExport::Source& source) {
  Surface surface(source.shownWindow(), source.unitsPerPixel());
  source.draw(surface);
  const std::string document = surface.Document();
  return QByteArray(document.data(), static_cast<qsizetype>(document.size()));
}

}  // namespace

std::optional<ExportFormat> PictureExport::FormatOfSuffix(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  for (const FormatName& name : kFormats) {
    if (suffix == name.suffix) return name.format;
  }
  return std::nullopt;
}

void PictureExport::OpenDialog() {
  if (dialog_ == nullptr) {
    dialog_ = new QFileDialog(window_, Translated(QT_TRANSLATE_NOOP("draftcalc", "Export the picture")));
    dialog_->setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const FormatName& name : kFormats) filters << Translated(name.filter);
    dialog_->setNameFilters(filters);
    dialog_->setDefaultSuffix(kFormats[0].suffix);
    QObject::connect(dialog_, &QFileDialog::filterSelected, dialog_, [this](const QString& filter) {
      for (const FormatName& name : kFormats) {
        if (filter == Translated(name.filter)) dialog_->setDefaultSuffix(name.suffix);
      }
    });
    QObject::connect(dialog_, &QFileDialog::fileSelected, dialog_, [this](const QString& path) { ExportChosen(path); });
  }
  dialog_->open();
}

// The suffix decides; a file without one of ours takes the filter's format.
void PictureExport::ExportChosen(const QString& path) {
  std::optional<ExportFormat> format = FormatOfSuffix(path);
  for (const FormatName& name : kFormats) {
    if (!format && dialog_->selectedNameFilter() == Translated(name.filter)) format = name.format;
  }
  ExportTo(path, format.value_or(ExportFormat::kPng));
}

QByteArray PictureExport::Bytes(ExportFormat format) const {
  switch (format) {
    case ExportFormat::kSvg:
      return VectorBytes<view::SvgSurface>(source_);
    case ExportFormat::kDxf:
      return VectorBytes<view::DxfSurface>(source_);
    case ExportFormat::kPng:
      break;
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  source_.shownPicture().save(&buffer, "PNG");
  return png;
}

bool PictureExport::ExportTo(const QString& path, ExportFormat format) {
  const QByteArray bytes = Bytes(format);
  if (bytes.isEmpty()) {
    ShowFailure(path, Translated(QT_TRANSLATE_NOOP("draftcalc", "the picture could not be encoded as %1"))
                          .arg(QString(NameOf(format).suffix).toUpper()));
    return false;
  }
  const QString failure = ReplaceFile(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  if (!failure.isEmpty()) ShowFailure(path, failure);
  return failure.isEmpty();
}

// A window-modal message that does not block: the window goes on drawing.
void PictureExport::ShowFailure(const QString& path, const QString& reason) {
  auto* message = new QMessageBox(
      QMessageBox::Warning, Translated(QT_TRANSLATE_NOOP("draftcalc", "Export failed")),
      Translated(QT_TRANSLATE_NOOP("draftcalc", "Cannot write %1: %2")).arg(QDir::toNativeSeparators(path), reason),
      QMessageBox::Ok, window_);
  message->setAttribute(Qt::WA_DeleteOnClose);
  message->open();
}

}  // namespace draftcalc::app
