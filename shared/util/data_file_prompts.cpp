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

namespace {

bool Agreed(const std::string &caption, const std::string &text, uint16_t flags) {
    return (AskYesNoFlags(caption, text, flags) & 0xFF) == IDYES;
}

// Asks before a file that could not be read at start-up, or that another program changed since
// onDisk was taken, is replaced. True when the save may go ahead.
bool ReplacingAgreed(const DataFileWords &words, bool unreadableAtStart, const FileSnapshot &onDisk) {
    const std::string file(words.file);
    const std::string records(words.records);
    if (unreadableAtStart)
        return Agreed("Reemplazar " + file,
                      file + " no se pudo leer al empezar.\n¿Reemplazarlo por " + records +
                          " que hay ahora en la agenda?",
                      MB_ICONQUESTION);
    return !ChangedSince(onDisk, file) ||
           Agreed(file + " ha cambiado",
                  "Otro programa ha cambiado " + file + " desde que se abrió.\n¿Reemplazarlo por " + records +
                      " que se ven aquí?",
                  MB_ICONQUESTION | MB_DEFBUTTON2);
}

} // namespace

bool SaveDataFile(const DataFileWords &words, bool &unreadableAtStart, FileSnapshot &onDisk,
                  const std::vector<uint8_t> &bytes) {
    const std::string file(words.file);
    const std::string records(words.records);
    if (!ReplacingAgreed(words, unreadableAtStart, onDisk)) return false;
    const WriteResult saved = WriteFileSafely(file, bytes, OldFile::KeepAsBackup);
    if (!saved.ok) {
        ShowMessageFlags("Error al guardar",
                         "No se han podido guardar " + records + " en " + file + ":\n" + saved.reason +
                             "\nNo se ha perdido ningún cambio.",
                         MB_ICONEXCLAMATION);
        return false;
    }
    unreadableAtStart = false;
    onDisk = {ReadStatus::Read, bytes};
    return true;
}

} // namespace util
