#include "wizard/message/place_markers.h"

#include <array>

#include "platform/base/text.h"

namespace qv::wizard {
namespace {

constexpr std::array kCatalogue{
    PlaceMarker{"<$$ERROR>", "Insert the error message returned from the Quorvel monitor"},
    PlaceMarker{"<$$SERVER>", "Insert the server on which Quorvel is running"},
    PlaceMarker{"<$$TEST>", "Insert the name of the test being performed"},
    PlaceMarker{"<$$INFO>",
                "Insert specific information about the error (e.g. the name of the service that "
                "failed)"},
    PlaceMarker{"<$$TIMELOGGED>", "Insert the time the alert was generated"},
    PlaceMarker{"<$$TIMELOGGED-MDY>", "Insert the time the alert was generated (mm/dd/yyyy)"},
    PlaceMarker{"<$$SOURCE>",
                "Insert the application name of an event log error or the name of the test that "
                "failed"},
    PlaceMarker{"<$$TIMENOW>", "Insert the current time"},
    PlaceMarker{"<$$TIMENOW-MDY>", "Insert the current time (mm/dd/yyyy)"},
    PlaceMarker{"<$$OSNAME>", "Insert the name of the server's Windows Operating System"},
    PlaceMarker{"<$$SERVICEPACK>", "Insert the server's latest service pack string, if applicable"},
    PlaceMarker{"$$DDMMYY", "Insert the current date in ddmmyy format"},
    PlaceMarker{"$$MMDDYY", "Insert the current date in mmddyy format"},
    PlaceMarker{"$$YYMMDD", "Insert the current date in yymmdd format"},
    PlaceMarker{"$$DD", "Insert the 2 digit day from the current date"},
    PlaceMarker{"$$MM", "Insert the 2 digit month from the current date"},
    PlaceMarker{"$$YY", "Insert the 2 digit year from the current date"},
    PlaceMarker{"$$DD+n", "Insert the 2 digit day plus 'n' days"},
    PlaceMarker{"$$DD-n", "Insert the 2 digit day less 'n' days"},
    PlaceMarker{"$$DN", "Insert the current day of the week"},
    PlaceMarker{"$$DN+n", "Insert the current day of the week plus 'n' days"},
    PlaceMarker{"$$DN-n", "Insert the current day of the week less 'n' days"},
    PlaceMarker{"$$DC", "Insert the current day of the week in words"},
    PlaceMarker{"-", "------ Disk Space Monitoring ------"},
    PlaceMarker{"<$$DRIVE>", "Insert the name of the drive"},
    PlaceMarker{"<$$REQDISKSPACE>", "Insert the reqired disk space"},
    PlaceMarker{"<$$AVAILDISKSPACE>", "Insert the disk space available"},
    PlaceMarker{"-", "------ Windows Service Monitoring ------"},
    PlaceMarker{"<$$SERVICE>", "Insert the name of the service that triggered the alert"},
    PlaceMarker{"-", "------ Windows Process Monitoring ------"},
    PlaceMarker{"<$$PROCESSNAME>",
                "Insert the name of the process (executable) that triggered the alert"},
    PlaceMarker{"-", "------ File & Directory Monitoring ------"},
    PlaceMarker{"<$$FILENAME>",
                "Insert the name of the file or mask that was checked & triggered the alert"},
    PlaceMarker{"-", "------ Printer Monitoring ------"},
    PlaceMarker{"<$$PRINTER>", "Insert the name of the printer that triggered the alert"},
    PlaceMarker{"<$$DOCUMENT>", "Insert the name of the document that triggered the alert"},
    PlaceMarker{"<$$PRINTQUEUELENGTH>",
                "Insert the length of the print queue that triggered the alert"},
    PlaceMarker{"<$$PRINTSIZE>", "Insert the size of the document that triggered the alert"},
    PlaceMarker{"<$$PRINTPAGES>",
                "Insert the number of pages the document contains that triggered the alert"},
    PlaceMarker{"-", "------ Event Log Monitoring ------"},
    PlaceMarker{"<$$EVENTLOG>", "Insert the name of the Event Log that triggered the alert"},
    PlaceMarker{"<$$EVENTLOGCHECK>",
                "Insert the name of the Event Log monitoring check that triggered the alert"},
    PlaceMarker{"-", "------ Log File Monitoring ------"},
    PlaceMarker{"<$$LOGFILE>", "Insert the name of the log file that triggered the alert"},
    PlaceMarker{"<$$FILEPATH>", "Insert the name & path of the log file being checked"},
    PlaceMarker{"<$$LOGFILECHECK>",
                "Insert the name & path of the log monitoring check that triggered the alert"},
    PlaceMarker{"-", "------ Performance Monitoring ------"},
    PlaceMarker{"<$$PERFNAME>", "Insert the name of the performance check that failed"},
    PlaceMarker{"<$$PERFTHRESHOLD>",
                "Insert the threshold (limit) of the check that triggered the alert"},
    PlaceMarker{"<$$PERFVALUE>",
                "Insert the actual value returned that caused the alert to be triggered"},
    PlaceMarker{"-", "------ E-mail Send/Receive Monitoring ------"},
    PlaceMarker{"<$$EMAIL>", "Insert the e-mail address of the check that failed"},
    PlaceMarker{"-", "------ SQL Query Monitoring ------"},
    PlaceMarker{"<$$SQLCONNECTIONNAME>",
                "Insert the name of the connection that triggered the alert"},
    PlaceMarker{"<$$SQLQUERYNAME>", "Insert the name of the query that triggered the alert"},
    PlaceMarker{"-", "------ SQL Block/Lock Monitoring ------"},
    PlaceMarker{"<$$SQLBLOCKEDPID>",
                "Insert the SQL Process ID of the process/connection that is being blocked"},
    PlaceMarker{"<$$SQLBLOCKINGPID>",
                "Insert the SQL Process ID of the process/connection that is blocking other "
                "processes"},
    PlaceMarker{"END", "END"},
};

// Every entry fits its fixed fields, and the table ends with its end entry.
constexpr bool fitsItsFields() {
  for (const PlaceMarker& e : kCatalogue) {
    if (e.marker.size() >= kMarkerCapacity) return false;
    if (e.description.size() >= kMarkerDescriptionCapacity) return false;
  }
  return true;
}
static_assert(fitsItsFields());
static_assert(kCatalogue.back().marker == "END" && kCatalogue.back().description == "END");

}  // namespace

std::span<const PlaceMarker> placeMarkerCatalogue() {
  return kCatalogue;
}

bool isSectionHeading(const PlaceMarker& entry) {
  return entry.marker.starts_with('-');
}

bool isEndEntry(const PlaceMarker& entry) {
  return equalsNoCase(entry.description, "END");
}

}  // namespace qv::wizard
