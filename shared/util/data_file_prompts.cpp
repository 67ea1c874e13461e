#include <windows.h>
#include "shared/util/data_file_prompts.h"
#include <string>
#include "shared/util/message_boxes.h"

namespace util {

void ReportUnreadableFile(const DataFileWords &words, std::string_view reason) {
    const std::string file(words.file);
    ShowMessageFlags("No se puede leer " + file,
                     file + " existe pero no se ha podido leer:\n" + std::string(reason) +
                         "\nLa agenda empieza vacía; no se reemplazará el archivo sin preguntar.",
                     MB_ICONEXCLAMATION);
}

bool SaveDataFile(const DataFileWords &words, bool &unreadableAtStart,
                  const std::function<WriteResult()> &save) {
    const std::string file(words.file), records(words.records);
    if (unreadableAtStart && (AskYesNoFlags("Reemplazar " + file,
                                            file + " no se pudo leer al empezar.\n¿Reemplazarlo por " +
                                                records + " que hay ahora en la agenda?",
                                            MB_ICONQUESTION) &
                              0xFF) != IDYES)
        return false;
    const WriteResult saved = save();
    if (!saved.ok) {
        ShowMessageFlags("Error al guardar",
                         "No se han podido guardar " + records + " en " + file + ":\n" + saved.reason +
                             "\nNo se ha perdido ningún cambio.",
                         MB_ICONEXCLAMATION);
        return false;
    }
    unreadableAtStart = false;
    return true;
}

} // namespace util
