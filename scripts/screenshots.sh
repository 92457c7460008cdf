#!/usr/bin/env bash
# Takes the README's screenshots of the desktop program on the bundled sample database, under a
# virtual X display: the catalogue with a schedule page, an S#4 result list with its colours, and
# the Changes page comparing the sample with an edited copy, the Graph page (a schedule's
# dependencies and a schedule's jobs), the Findings page, the Run Days page, What Runs On, Quick
# Find, the Find In Definitions page, the Impact page of a calendar and an SFTP transfer under way.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing xvfb xauth
cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DBUILD_GUI=ON \
  >/dev/null
cmake --build "$BUILD_DIR" --target varnoltdbq-screenshots -j "$(nproc 2>/dev/null || echo 2)"

OUT="$ROOT/docs"
mkdir -p "$OUT"
shoot() {
  xvfb-run -a -s "-screen 0 1280x800x24" "$BUILD_DIR/bin/varnoltdbq-screenshots" "$@"
}
shoot "$OUT" "catalogue=screenshot-catalogue.png"
shoot --size=1180x720 "$OUT" "report:S#4:HFDWH01#DW_NIGHTLY=screenshot-report-s4.png"
shoot --size=1180x720 "$OUT" "changes=screenshot-changes.png"
shoot "$OUT" "graph:HFFIN02#FIN_REPORTS=screenshot-graph.png"
shoot "$OUT" "jobgraph:HFDWH01#DW_NIGHTLY=screenshot-job-graph.png"
shoot --size=1180x720 "$OUT" "findings=screenshot-findings.png"
shoot --size=1180x800 "$OUT" "rundays:HFDWH01#DW_NIGHTLY=screenshot-run-days.png"
shoot --size=1180x720 "$OUT" "runson:2027-01-04=screenshot-what-runs-on.png"
shoot --size=1180x720 "$OUT" "quickfind:load=screenshot-quick-find.png"
shoot --size=1180x720 "$OUT" "search:DW_(LOAD|MERGE)=screenshot-search.png"
shoot --size=1180x720 "$OUT" "impact:calendar:HOLIDAYS=screenshot-impact.png"
shoot --size=1180x720 "$OUT" "transfer=screenshot-transfer.png"
