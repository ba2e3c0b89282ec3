#include "shell/files/save_through_dialog.h"

#include "model/experiment_file.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "shell/main_window/window_texts.h"

#include <algorithm>

namespace trelvix {

QString withExtension(const QString& path, const QStringList& extensions,
                      const QString& chosenFilter) {
    const bool typed = std::any_of(extensions.begin(), extensions.end(), [&](const QString& e) {
        return path.endsWith(e, Qt::CaseInsensitive);
    });
    if (typed || extensions.isEmpty()) return path;
    const QString chosen = filterExtension(chosenFilter);
    return path +
           (extensions.contains(chosen, Qt::CaseInsensitive) ? chosen : extensions.constFirst());
}

QString saveThroughDialog(const Platform& platform, const SaveOffer& offer,
                          const std::function<QByteArray(const QString& path)>& content) {
    const ChosenFile chosen =
        platform.files.fileToSave(offer.title, offer.suggestedName, offer.filter);
    if (chosen.path.isEmpty()) return {};
    const QString path = withExtension(chosen.path, offer.extensions, chosen.filter);
    const QByteArray bytes = content(path);
    const FileStatus status =
        saveFileAtomically(path.toStdString(), std::string_view(bytes.constData(), bytes.size()));
    if (status.ok) return path;
    platform.messages.inform(texts::errorTitle(),
                             offer.failureMessage(path, QString::fromStdString(status.reason)));
    return {};
}

} // namespace trelvix
