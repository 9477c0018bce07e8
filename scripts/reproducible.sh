# Archives that two runs from one commit make with the same bytes, for scripts/release.sh and
# scripts/windows.sh. Source it; SOURCE_DATE_EPOCH (seconds since 1970) is every file's time in
# them.

# stable_zip ZIP FOLDER: zips FOLDER, entries under its own name, into ZIP (replaced): the names
# sorted, every time SOURCE_DATE_EPOCH read in UTC, files 644 and folders 755, and no extra
# fields (owners, Unix times). Sets the times and modes of FOLDER itself: give it a copy.
stable_zip() {
  local zip folder=$2 parent name
  zip=$(realpath -m "$1")
  parent=$(cd "$(dirname "$folder")" && pwd)
  name=$(basename "$folder")
  find "$folder" -type d -exec chmod 755 {} +
  find "$folder" -type f -exec chmod 644 {} +
  find "$folder" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
  rm -f "$zip"
  (cd "$parent" && find "$name" | LC_ALL=C sort | TZ=UTC zip -X -q -9 -@ "$zip")
}

# windows_zip EXE TOP VERSION FOLDER: FOLDER/zarkel-cli-VERSION-windows-x86_64.zip of the stripped
# EXE, the README with the documents of docs/ (without their pictures) and the demo set of the
# sources in TOP; prints its path.
windows_zip() {
  local exe=$1 top=$2 version=$3 folder=$4
  local package="zarkel-cli-$version-windows-x86_64"
  local stage="$folder/$package"
  rm -rf "$stage"
  mkdir -p "$stage"
  cp "$exe" "$stage/zarkel-cli.exe"
  cp "$top/README.md" "$stage/"
  mkdir "$stage/docs"
  cp "$top"/docs/*.md "$stage/docs/"
  cp -r "$top/examples" "$stage/"
  stable_zip "$folder/$package.zip" "$stage"
  rm -rf "$stage"
  echo "$folder/$package.zip"
}

# The time of the commit checked out in TOP, or of the release day where there is no git.
source_date_epoch() {
  local top=$1
  git -C "$top" log -1 --format=%ct 2>/dev/null ||
    sed -n 's/^set(ZARKEL_RELEASE_DATE \([0-9-]*\)).*/\1/p' "$top/CMakeLists.txt" |
    xargs -I{} date -u -d {} +%s
}
