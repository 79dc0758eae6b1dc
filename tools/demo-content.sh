#!/usr/bin/env bash
# Writes the demo content of an installation disc into DIR: a placeholder installer and small
# valid PDFs standing in for the product and help documents, each where the launcher looks for
# it, every one marked as a demo. make run, make run-windows and make disc (without
# DISC_CONTENT) use it.
#
#   tools/demo-content.sh DIR
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 DIR" >&2
  exit 2
fi
disc=$1

# A one-page PDF showing one line of ASCII text, with its cross-reference table computed from
# the byte offsets of its objects.
write_pdf() {
  local file=$1 text=$2
  local LC_ALL=C  # lengths in bytes
  text=${text//\\/\\\\}
  text=${text//(/\\(}
  text=${text//)/\\)}
  local content="BT /F1 20 Tf 72 760 Td ($text) Tj ET"
  local objects=(
    "<< /Type /Catalog /Pages 2 0 R >>"
    "<< /Type /Pages /Kids [3 0 R] /Count 1 >>"
    "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R /Resources << /Font << /F1 5 0 R >> >> >>"
    "<< /Length ${#content} >>
stream
$content
endstream"
    "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"
  )
  local body=$'%PDF-1.4\n' offsets=() i
  for i in "${!objects[@]}"; do
    offsets+=("${#body}")
    body+="$((i + 1)) 0 obj"$'\n'"${objects[$i]}"$'\n'"endobj"$'\n'
  done
  local xref_at=${#body}
  body+="xref"$'\n'"0 $((${#objects[@]} + 1))"$'\n'"0000000000 65535 f "$'\n'
  for i in "${offsets[@]}"; do body+=$(printf '%010d 00000 n ' "$i")$'\n'; done
  body+="trailer"$'\n'"<< /Size $((${#objects[@]} + 1)) /Root 1 0 R >>"$'\n'
  body+="startxref"$'\n'"$xref_at"$'\n'"%%EOF"$'\n'
  mkdir -p "$(dirname "$file")"
  printf '%s' "$body" > "$file"
}

mkdir -p "$disc/集成安装程序"
cat > "$disc/集成安装程序/setup.exe" <<'SETUP'
#!/bin/sh
# The N5 installer of the demo disc: a placeholder that installs nothing.
echo "N5 installer (demo placeholder): nothing is installed."
SETUP
chmod +x "$disc/集成安装程序/setup.exe"

manual="N5-企业管理软件(Full-Suite)产品手册"
notes="N5-企业管理软件(Full-Suite)安装说明"
write_pdf "$disc/$manual/$manual.pdf" "N5 product manual (demo)"
write_pdf "$disc/$notes/$notes.pdf" "N5 installation notes (demo)"
write_pdf "$disc/TARVEN/TARVENInstallation_cn.pdf" "N5 installation help, Simplified Chinese (demo)"
write_pdf "$disc/TARVEN/TARVENInstallation_tw.pdf" "N5 installation help, Traditional Chinese (demo)"
