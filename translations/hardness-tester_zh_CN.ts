<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CBarChartPlot</name>
    <message>
        <source>Impact %1: %2</source>
        <translation>第 %1 次冲击：%2</translation>
    </message>
    <message>
        <source>Impacts chart</source>
        <translation>单次冲击图</translation>
    </message>
    <message>
        <source>Choose a row of the table to see its single impacts here.</source>
        <translation>在表格中选择一行，即可在此查看其各次冲击值。</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>柱形</translation>
    </message>
    <message>
        <source>Impact axis</source>
        <translation>冲击轴</translation>
    </message>
    <message>
        <source>Hardness axis</source>
        <translation>硬度轴</translation>
    </message>
    <message>
        <source>Impacts of record %1: no values</source>
        <translation>记录 %1 的冲击值：无数值</translation>
    </message>
    <message>
        <source>Impacts of record %1: one value, %2 %3</source>
        <translation>记录 %1 的冲击值：一个数值，%2 %3</translation>
    </message>
    <message>
        <source>Impacts of record %1: %2 values from %3 to %4 %5</source>
        <translation>记录 %1 的冲击值：%2 个数值，从 %3 到 %4 %5</translation>
    </message>
    <message>
        <source>Values: %1</source>
        <translation>数值：%1</translation>
    </message>
    <message>
        <source>No. %1, %2, %3</source>
        <translation>序号 %1, %2, %3</translation>
    </message>
    <message>
        <source>Lower limit %1</source>
        <translation>下限 %1</translation>
    </message>
    <message>
        <source>Upper limit %1</source>
        <translation>上限 %1</translation>
    </message>
    <message>
        <source>Mean %1</source>
        <translation>平均值 %1</translation>
    </message>
</context>
<context>
    <name>CTableResult</name>
    <message>
        <source>Mean outside %1; single values outside: %2</source>
        <translation>平均值超出 %1；超出的单个值：%2</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>测量记录</translation>
    </message>
</context>
<context>
    <name>GroupVerdict</name>
    <message>
        <source>No record in a scale with limits</source>
        <translation>没有记录属于设有限值的标尺</translation>
    </message>
    <message>
        <source>%1 of %2 records outside their limits</source>
        <translation>%2 条记录中有 %1 条超出其限值</translation>
    </message>
    <message>
        <source>%1 of 1 record outside %2</source>
        <translation>1 条记录中有 %1 条超出 %2</translation>
    </message>
    <message>
        <source>%1 of %2 records outside %3</source>
        <translation>%2 条记录中有 %1 条超出 %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Device Connected</source>
        <translation>设备已连接</translation>
    </message>
    <message>
        <source>Device Disconnected</source>
        <translation>设备已断开</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Please choose group first!</source>
        <translation>请先选择组！</translation>
    </message>
    <message>
        <source>Load Data......</source>
        <translation>正在加载数据......</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No data is found!</source>
        <translation>未找到数据！</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>No data to save</source>
        <translation>没有可保存的数据</translation>
    </message>
    <message>
        <source>File open failed</source>
        <translation>无法打开文件</translation>
    </message>
    <message>
        <source>Device found, but no permission to open it: install the udev rule (see README)</source>
        <translation>已找到设备，但无权打开：请安装 udev 规则（见 README）</translation>
    </message>
    <message>
        <source>Hardness Tester</source>
        <translation>硬度计</translation>
    </message>
    <message>
        <source>The instrument did not answer; nothing was downloaded.</source>
        <translation>仪器没有响应，未下载任何数据。</translation>
    </message>
    <message>
        <source>Incomplete download: group %1, %2 of %3 records</source>
        <translation>下载不完整：第 %1 组，%3 条记录中的 %2 条</translation>
    </message>
    <message>
        <source>The instrument was lost after %1 of %2 records; the rest were not downloaded.</source>
        <translation>在 %2 条记录中下载了 %1 条后与仪器的连接中断，其余记录未下载。</translation>
    </message>
    <message>
        <source>Archived download: group %1, %2</source>
        <translation>已存档的下载：第 %1 组，%2</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG 图像 (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>无法将图表保存为 %1。</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>已保存为 %1</translation>
    </message>
    <message>
        <source>Looking for the instrument...</source>
        <translation>正在查找仪器...</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>无法将报告保存为 %1。</translation>
    </message>
</context>
<context>
    <name>MyArchiveMenu</name>
    <message>
        <source>&amp;Archive</source>
        <translation>存档(&amp;A)</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>存档：%1</translation>
    </message>
    <message>
        <source>This group is already in the archive.</source>
        <translation>该组已在存档中。</translation>
    </message>
    <message>
        <source>Not archived: %1</source>
        <translation>未存档：%1</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>历史记录(&amp;H)...</translation>
    </message>
    <message>
        <source>Test &amp;details...</source>
        <translation>试验信息(&amp;D)...</translation>
    </message>
    <message>
        <source>Test details not archived: %1</source>
        <translation>试验信息未存档：%1</translation>
    </message>
    <message>
        <source>Download archived.</source>
        <translation>下载已存档。</translation>
    </message>
</context>
<context>
    <name>MyHistoryDialog</name>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>组</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>记录数</translation>
    </message>
    <message>
        <source>Scales</source>
        <translation>硬度标尺</translation>
    </message>
    <message>
        <source>Averages</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Delete download</source>
        <translation>删除下载</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>材料</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>起始日期</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>截止日期</translation>
    </message>
    <message>
        <source>Archived downloads</source>
        <translation>已存档的下载</translation>
    </message>
    <message>
        <source>Archive status</source>
        <translation>存档状态</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>筛选(&amp;F):</translation>
    </message>
    <message>
        <source>F&amp;rom:</source>
        <translation>从(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>到(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Downloads:</source>
        <translation>下载(&amp;D):</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>Delete the download of %1 (group %2, records: %3) from the archive?</source>
        <translation>从存档中删除 %1 的下载（组 %2，记录数：%3）？</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n downloads from the archive?</source>
        <translation>
            <numerusform>从存档中删除 %n 个下载？</numerusform>
        </translation>
    </message>
    <message>
        <source>Group, date, scale, material, device or test details</source>
        <translation>组、日期、标尺、材料、设备或试验信息</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>De&amp;lete...</source>
        <translation>删除(&amp;L)...</translation>
    </message>
    <message>
        <source>Test d&amp;etails...</source>
        <translation>试验信息(&amp;E)...</translation>
    </message>
</context>
<context>
    <name>MyLimitsDialog</name>
    <message>
        <source>Tolerance limits</source>
        <translation>公差限值</translation>
    </message>
    <message>
        <source>A record passes when its mean lies within the limits of its scale; a value equal to a limit passes. Leave a side empty for a one-sided limit. The limits of a scale take the place of those for all scales.</source>
        <translation>记录的平均值在其标尺的限值内即为合格；等于限值的数值也合格。单边限值请将另一边留空。某一标尺自己的限值优先于适用于所有标尺的限值。</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>标尺</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>All scales</source>
        <translation>所有标尺</translation>
    </message>
    <message>
        <source>Lower limit %1</source>
        <translation>%1 下限</translation>
    </message>
    <message>
        <source>Upper limit %1</source>
        <translation>%1 上限</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number.</source>
        <translation>“%1”不是数字。</translation>
    </message>
    <message>
        <source>The lower limit is above the upper limit.</source>
        <translation>下限高于上限。</translation>
    </message>
    <message>
        <source>&amp;Clear all</source>
        <translation>全部清除(&amp;C)</translation>
    </message>
</context>
<context>
    <name>MyPrint</name>
    <message>
        <source>Hardness Test Report</source>
        <translation>硬度测试报告</translation>
    </message>
    <message>
        <source>Print date:</source>
        <translation>打印日期：</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>序号 %1</translation>
    </message>
    <message>
        <source>Test details</source>
        <translation>试验信息</translation>
    </message>
    <message>
        <source>%1 (any scale)</source>
        <translation>%1（所有标尺）</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>限值</translation>
    </message>
    <message>
        <source>REJECTED, %1</source>
        <translation>拒收，%1</translation>
    </message>
    <message>
        <source>ACCEPTED, %1</source>
        <translation>接收，%1</translation>
    </message>
    <message>
        <source>Group verdict</source>
        <translation>组判定</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>极差</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>Verdict: PASS, mean within %1, single values outside: %2</source>
        <translation>判定：合格，平均值在 %1 内，超限单值：%2</translation>
    </message>
    <message>
        <source>Verdict: FAIL, mean outside %1, single values outside: %2</source>
        <translation>判定：不合格，平均值超出 %1，超限单值：%2</translation>
    </message>
</context>
<context>
    <name>MyStatisticsBox</name>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>组</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>记录 %1</translation>
    </message>
    <message>
        <source>Within %1</source>
        <translation>在 %1 之内</translation>
    </message>
    <message>
        <source>Outside %1</source>
        <translation>超出 %1</translation>
    </message>
    <message>
        <source>Single values outside: %1</source>
        <translation>超出的单个值：%1</translation>
    </message>
    <message>
        <source>The records&apos; means</source>
        <translation>各记录的平均值</translation>
    </message>
    <message>
        <source>Impacts of the record, records of the group</source>
        <translation>记录的冲击次数，组的记录数</translation>
    </message>
    <message>
        <source>Sample standard deviation (n - 1)</source>
        <translation>样本标准差 (n - 1)</translation>
    </message>
    <message>
        <source>Largest minus smallest</source>
        <translation>最大值减最小值</translation>
    </message>
    <message>
        <source>Coefficient of variation: s / mean</source>
        <translation>变异系数：s / 平均值</translation>
    </message>
    <message>
        <source>The records are in different hardness scales: their means do not mix.</source>
        <translation>这些记录属于不同的硬度标尺：其平均值不能混合计算。</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>极差</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>变异系数</translation>
    </message>
    <message>
        <source>L&amp;imits...</source>
        <translation>限值(&amp;I)...</translation>
    </message>
</context>
<context>
    <name>MyTestDetailsDialog</name>
    <message>
        <source>Test details</source>
        <translation>试验信息</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>未填写</translation>
    </message>
    <message>
        <source>Deviations from the standard, anything that may have affected the result</source>
        <translation>与标准的偏差，以及可能影响结果的任何情况</translation>
    </message>
    <message>
        <source>A report gives the temperature when it is outside 10-35 °C.</source>
        <translation>温度超出 10-35 °C 时，报告须注明温度。</translation>
    </message>
</context>
<context>
    <name>MyTranslate</name>
    <message>
        <source>Steel and Cast Steel</source>
        <translation>钢和铸钢</translation>
    </message>
    <message>
        <source>Alloy Tool Steel</source>
        <translation>合金工具钢</translation>
    </message>
    <message>
        <source>Stainless Steel</source>
        <translation>不锈钢</translation>
    </message>
    <message>
        <source>Gray cast iron</source>
        <translation>灰铸铁</translation>
    </message>
    <message>
        <source>ductile iron</source>
        <translation>球墨铸铁</translation>
    </message>
    <message>
        <source>Cast Aluminum</source>
        <translation>铸铝</translation>
    </message>
    <message>
        <source>Copper-Zinc Alloy</source>
        <translation>铜锌合金</translation>
    </message>
    <message>
        <source>Copper Tin Alloy</source>
        <translation>铜锡合金</translation>
    </message>
    <message>
        <source>pure copper</source>
        <translation>纯铜</translation>
    </message>
    <message>
        <source>Forged Steel</source>
        <translation>锻钢</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>材料</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>探头</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>测量值</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>日期</translation>
    </message>
</context>
<context>
    <name>MyWindowMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>帮助内容(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Downloading a group&lt;/b&gt;: plug in the instrument and wait for &quot;Device Connected&quot; in the status bar, choose a group, then press &lt;b&gt;LoadData&lt;/b&gt; (Ctrl+L).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Looking at a measurement&lt;/b&gt;: click a row of the table or move to it with the arrow keys; the chart shows its single impacts.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Keeping the results&lt;/b&gt;: Save as CSV (Ctrl+S), Save as PDF for the chart, Print preview, Print (Ctrl+P). Every download is also kept in the archive: Archive, History (Ctrl+H).&lt;/p&gt;&lt;p&gt;Alt with the underlined letter presses a button or opens a menu.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;下载一组数据&lt;/b&gt;：连接仪器，等待状态栏显示“设备已连接”，选择一个组，然后按&lt;b&gt;加载数据&lt;/b&gt;（Ctrl+L）。&lt;/p&gt;&lt;p&gt;&lt;b&gt;查看一次测量&lt;/b&gt;：单击表格中的一行，或用方向键移到该行；图表显示其各次冲击值。&lt;/p&gt;&lt;p&gt;&lt;b&gt;保存结果&lt;/b&gt;：保存为 CSV（Ctrl+S）、将图表保存为 PDF、打印预览、打印（Ctrl+P）。每次下载也会保存在存档中：存档、历史记录（Ctrl+H）。&lt;/p&gt;&lt;p&gt;按 Alt 加带下划线的字母可按下按钮或打开菜单。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>none (%1)</source>
        <translation>无（%1）</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Hardness Tester %1&lt;/h3&gt;&lt;p&gt;The desktop companion program of the portable hardness tester: download, view, save, print and archive its measurements.&lt;/p&gt;&lt;p&gt;Built with Qt %2 (running on Qt %3) and Qwt %4.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, version 3 or later. Qt is used under the GNU LGPL 3, Qwt under the Qwt License 1.0.&lt;/p&gt;&lt;p&gt;Archive: %5&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Hardness Tester %1&lt;/h3&gt;&lt;p&gt;便携式硬度计的桌面配套程序：下载、查看、保存、打印和存档测量数据。&lt;/p&gt;&lt;p&gt;使用 Qt %2 构建（运行于 Qt %3），Qwt %4。&lt;/p&gt;&lt;p&gt;许可证：GNU 通用公共许可证第 3 版或更高版本。Qt 依 GNU LGPL 3 使用，Qwt 依 Qwt License 1.0 使用。&lt;/p&gt;&lt;p&gt;存档：%5&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Save &amp;report as PDF...</source>
        <translation>将报告保存为 PDF(&amp;R)...</translation>
    </message>
</context>
<context>
    <name>MyWndControl</name>
    <message>
        <source>Control</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>组(&amp;G)：</translation>
    </message>
    <message>
        <source>&amp;LoadData</source>
        <translation>加载数据(&amp;L)</translation>
    </message>
    <message>
        <source>Save as &amp;CSV</source>
        <translation>保存为 CSV(&amp;C)</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>保存为 PDF(&amp;D)</translation>
    </message>
    <message>
        <source>Print pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>The file could not be written.</source>
        <translation>无法写入文件。</translation>
    </message>
</context>
<context>
    <name>TestDetails</name>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Test piece / part</source>
        <translation>试样 / 零件</translation>
    </message>
    <message>
        <source>Order / batch</source>
        <translation>订单 / 批次</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>Test temperature</source>
        <translation>试验温度</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
</context>
</TS>
